// Payments menu: bills, Fininvest, mobile top-up, various payments, network payments.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmPagtos_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmPagtos_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();
    bool spOpcao5Click();

private:
    // From the bill-payment flag in field 10439 on: the bill query; false, with nothing opened, when the flag
    // cannot be written (the handler stops there and the buttons stay off).
    bool AbreConsultaContas();
};

extern TFrmPagtos_Mnu* FrmPagtos_Mnu;
