// Withdrawal-cancellation menu (the cancellation mode's withdrawal entry): INSS benefit card, cheque,
// withdrawal receipt, bank card. Only the benefit card is read here, before its form opens.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmCancSaque_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmCancSaque_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();
};

extern TFrmCancSaque_Mnu* FrmCancSaque_Mnu;
