// Balance query: by the customer's card (read here, before the form opens) or by the account typed.
#pragma once

#include "queries/Menumagneticodadosconta.h"

class TFrmCnsSld_Mnu : public TFrmMagDdCta_Mnu {
    Q_OBJECT
public:
    explicit TFrmCnsSld_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
};

extern TFrmCnsSld_Mnu* FrmCnsSld_Mnu;
