// Mobile top-up paid with a debit card: the account type, the card's security code where the card or the
// network asks for it, and the PIN.
#pragma once

#include "basekit.h"
#include "topup/Trncelmodelo.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace Recargatefdebitolumo {

extern const TTabelaTrn TrnRecargaTEFDebito;

// The account types the top-up's debit accepts ("1" at positions 25 to 29 of its record), in list order.
QStringList TiposContaAceitos();

} // namespace Recargatefdebitolumo

class TFrmRecDeb : public TFrmTrnCel_Mod {
    Q_OBJECT
public:
    explicit TFrmRecDeb(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

    QLabel* lbTipoConta = nullptr;
    QComboBox* cbTipoConta = nullptr;
    QLabel* LbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;
};

extern TFrmRecDeb* FrmRecDeb;
