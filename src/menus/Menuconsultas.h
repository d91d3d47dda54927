// Queries menu: balance, statement, INSS benefits.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmConsultas_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmConsultas_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();

private:
    // Loads group 1, checks the bank, hands the general information to the host and loads group 3; false
    // when the chain closed on the way.
    bool CarregaParametrosConta();
};

extern TFrmConsultas_Mnu* FrmConsultas_Mnu;
