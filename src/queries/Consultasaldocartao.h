// Balance query with the card the menu read: the account type, then the PIN on the PIN pad.
#pragma once

#include "frame/Coletatipoconta.h"

class TFrmCnsSld_Crt : public TFrmTrnCrt_Grp3 {
    Q_OBJECT
public:
    explicit TFrmCnsSld_Crt(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmCnsSld_Crt* FrmCnsSld_Crt;
