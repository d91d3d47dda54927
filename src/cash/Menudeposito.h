// Deposit menu: the plain and the identified deposit, each after the cash group's parameter load; in the
// cancellation mode both open the deposit cancellation.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmDeposito_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmDeposito_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();

private:
    // The cash group loaded and the deposit offered by the bank; otherwise the chain is closed.
    bool CarregaVerificaDeposito();
};

extern TFrmDeposito_Mnu* FrmDeposito_Mnu;
