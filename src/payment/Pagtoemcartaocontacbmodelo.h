// Bill payment debited or credited to the account of the correspondent bank's card: the account type, the
// card's security code, and the settlement of every accepted document.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

class QComboBox;

namespace Pagtoemcartaocontacbmodelo {

extern const TTabelaTrn TrnPagamentoCB;

// The account the card moves: checking ("01") or savings ("02"), chosen from the numeric keyboard; the
// payment and its cancellation ask the same.
QComboBox* ListaTipoConta(Partes::Captura& captura);
QString MensagemTipoConta();

} // namespace Pagtoemcartaocontacbmodelo

class TFrmPgtContaCB_Mod : public TFrmTrn_Mod {
    Q_OBJECT
public:
    TFrmPgtContaCB_Mod(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbTipoConta = nullptr;
    QComboBox* cbTipoConta = nullptr;
    QLabel* lbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;

protected:
    // "1" debit, "2" credit: occurrence 3 of 10102.
    virtual QString OperacaoConta() const = 0;

    void hideEvent(QHideEvent* e) override;
};
