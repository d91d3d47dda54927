// Revalidation of the PIN of an INSS benefit card: the operator types the benefit number (NB), the customer
// presents the card and types the PIN, the bank checks that the card is that benefit's and revalidates the
// PIN.
#pragma once

#include "frame/Servicoscartao.h"
#include "frame/Trnmodelolumo.h"

class QLabel;
class QLineEdit;

class TFrmRevSenhaINSS_Crt : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmRevSenhaINSS_Crt(QWidget* pai);

    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    int VerificaAutorizaTransacao() override;
    void IniciaCamposForm() override;

    QLabel* lbNB = nullptr;
    QLineEdit* edNB = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;
};

extern TFrmRevSenhaINSS_Crt* FrmRevSenhaINSS_Crt;
