// Statement query: by the customer's card (stripe or chip, read here) or by the account typed.
#pragma once

#include "queries/Menumagneticodadosconta.h"

class TFrmCnsExtrato_Mnu : public TFrmMagDdCta_Mnu {
    Q_OBJECT
public:
    explicit TFrmCnsExtrato_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
};

extern TFrmCnsExtrato_Mnu* FrmCnsExtrato_Mnu;
