// Payments menu: bills, Fininvest, mobile top-up, various payments, network payments.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmPagtos_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmPagtos_Mnu(QWidget* pai);

    void spOpcao1Click();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;
};

extern TFrmPagtos_Mnu* FrmPagtos_Mnu;
