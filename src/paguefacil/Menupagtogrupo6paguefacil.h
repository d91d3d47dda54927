// Pague Fácil: the forms of payment of the values chosen, cash or debit.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmPagtoGrupo6PagueFacil_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmPagtoGrupo6PagueFacil_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
};

extern TFrmPagtoGrupo6PagueFacil_Mnu* FrmPagtoGrupo6PagueFacil_Mnu;
