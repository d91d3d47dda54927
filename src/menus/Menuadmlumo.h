// Administrative menu: banking operations, reprint, settlement closing, account opening, service basket.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmADM_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmADM_Mnu(QWidget* pai);

    void spOpcao1Click();
    void spOpcao2Click();
    void spOpcao3Click();
    void spOpcao4Click();
    void spOpcao5Click();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;

private:
    // Options 2 to 5 are for a supervisor; false (buttons back on) when the validation fails.
    bool OperadorValidado();
};

extern TFrmADM_Mnu* FrmADM_Mnu;
