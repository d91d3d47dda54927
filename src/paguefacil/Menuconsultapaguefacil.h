// Pague Fácil debit: the customer's account read from the card or typed, as the bank collects it.
#pragma once

#include "frame/Menumodelolumo.h"

namespace PagueFacil {

// The collection modes of the Pague Fácil record (h29, 25 to 29): "1" card, "2" account data, "3" both.
bool ColetaPorCartao();
bool ColetaPorConta();

} // namespace PagueFacil

class TFrmCnsPagueFacil_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmCnsPagueFacil_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
};

extern TFrmCnsPagueFacil_Mnu* FrmCnsPagueFacil_Mnu;
