// The various-payments menu of group 4: DARF Preto, DARF Simples and GPS, each switched on in the host's
// configuration; each opens the forms of payment of its document.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmPagtoDivGrupo4_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmPagtoDivGrupo4_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
};

extern TFrmPagtoDivGrupo4_Mnu* FrmPagtoDivGrupo4_Mnu;
