// The top-up's network menu: one option per network the till is configured for, none in the cancellation
// mode (a top-up cannot be cancelled here).
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmRecCel_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmRecCel_Mnu(QWidget* pai);

    // Whether any network would be offered now.
    static bool AlgumaRedeOferecida();

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
};

extern TFrmRecCel_Mnu* FrmRecCel_Mnu;
