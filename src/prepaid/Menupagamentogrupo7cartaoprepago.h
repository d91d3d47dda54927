// Prepaid-card menu: withdrawal, deposit, balance, statement and transfer of the issuer's prepaid cards, each
// offered when the group-7 parameters enable it.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmCartaoPrePagoGrupo7_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmCartaoPrePagoGrupo7_Mnu(QWidget* pai);

    void spOpcao1Click();
    void spOpcao2Click();
    void spOpcao3Click();
    void spOpcao4Click();
    void spOpcao5Click();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;
};

extern TFrmCartaoPrePagoGrupo7_Mnu* FrmCartaoPrePagoGrupo7_Mnu;
