// Cancellation of a deposit: the request it sends and its form (the kind of deposit and, for cheques, how
// many there were).
#pragma once

#include "basekit.h"
#include "cash/Cancelamentogrupo3.h"

class QComboBox;

namespace Cancelamentodeposito {

extern const TTabelaTrn TrnCancelamentoDeposito;

} // namespace Cancelamentodeposito

class TFrmCancDep_Trn : public TFrmCancGrupo3_Trn {
    Q_OBJECT
public:
    explicit TFrmCancDep_Trn(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbTipoDeposito = nullptr;
    // Its "Tag" property: the kinds the bank accepts, 1 cash only, 2 cheques only, 3 both.
    QComboBox* cbTipoDeposito = nullptr;
    QLabel* lbQtdeChq = nullptr;
    QLineEdit* edQtdeChq = nullptr;

protected:

private:
    int Tag() const;
    // Shows the cheque count for the kinds that carry cheques.
    void cbTipoDepositoChange();
};

extern TFrmCancDep_Trn* FrmCancDep_Trn;
