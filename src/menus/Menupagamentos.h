// Payments menu: bills, Fininvest, mobile top-up, various payments, network payments.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmPagtos_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmPagtos_Mnu(QWidget* pai);

    void spOpcao1Click();
    void spOpcao2Click();
    void spOpcao3Click();
    void spOpcao4Click();
    void spOpcao5Click();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;

private:
    // From the bill-payment flag in field 10439 on: the bill query; false, with nothing opened, when the flag
    // cannot be written (the handler stops there and the buttons stay off).
    bool AbreConsultaContas();
};

extern TFrmPagtos_Mnu* FrmPagtos_Mnu;
