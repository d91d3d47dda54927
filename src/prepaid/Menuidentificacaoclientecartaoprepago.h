// Identification of the prepaid-card holder: by the card (read, or typed for a deposit or a transfer) or by
// the mobile number the card is tied to. The step's result goes to field 10154, the way to field 10229.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmIdCliMagCel_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmIdCliMagCel_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();

private:
    // The holder was identified: the transfer's origin card, 10154 "0", the way, and the menu closes.
    void Identificado(const char* forma);
    // The identification was abandoned or failed: the host gets the result file and the menu closes.
    void NaoIdentificado();
};

extern TFrmIdCliMagCel_Mnu* FrmIdCliMagCel_Mnu;
