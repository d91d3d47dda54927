#include "payment/Capturavalortotalmodelo.h"

TFrmCapturaValorTotal_Mod* FrmCapturaValorTotal_Mod = nullptr;

TFrmCapturaValorTotal_Mod::TFrmCapturaValorTotal_Mod(QWidget* pai)
    : TFrmMod(pai, QStringLiteral("FrmCapturaValorTotal_Mod")) {}
