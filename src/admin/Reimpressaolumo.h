// Reprint of a bill-payment receipt: the payment named by its document and receipt number (NSU); the bank's
// reply carries the receipt, which the host prints.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

namespace Reimpressaolumo {

extern const TTabelaTrn TrnReimpressao;

} // namespace Reimpressaolumo

class TFrmRei_Trn : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmRei_Trn(QWidget* pai);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbTpEntrada = nullptr;
    QLineEdit* edTpEntrada = nullptr;
    QLabel* lbDoc = nullptr;
    QLineEdit* EdDoc = nullptr;
    QLabel* lbNsuVorta = nullptr;
    QLineEdit* edNsuVorta = nullptr;
};

extern TFrmRei_Trn* FrmRei_Trn;
