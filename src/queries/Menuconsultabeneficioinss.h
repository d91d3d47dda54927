// INSS benefit query: the benefit named by its number (NB), by the worker's number (NIT) or by the account it
// is paid into.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmCnsBnINSS_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmCnsBnINSS_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
};

extern TFrmCnsBnINSS_Mnu* FrmCnsBnINSS_Mnu;
