// Administrative menu: banking operations, reprint, settlement closing, account opening, service basket.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmADM_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmADM_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();
    bool spOpcao5Click();
};

extern TFrmADM_Mnu* FrmADM_Mnu;
