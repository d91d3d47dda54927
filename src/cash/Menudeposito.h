// Deposit menu: the plain and the identified deposit, each after the cash group's parameter load; in the
// cancellation mode both open the deposit cancellation.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmDeposito_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmDeposito_Mnu(QWidget* pai);

    void spOpcao1Click();
    void spOpcao2Click();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;

private:
    // The cash group loaded and the deposit offered by the bank; otherwise the chain is closed.
    bool CarregaVerificaDeposito();
};

extern TFrmDeposito_Mnu* FrmDeposito_Mnu;
