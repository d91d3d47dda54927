// Re-capture of a bill's total when the server authorised another amount.
#pragma once

#include "frame/Modelolumo.h"

class QLineEdit;

class TFrmCapturaValorTotal_Mod : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmCapturaValorTotal_Mod(QWidget* pai);

    // The bill-query dialog's total edit, which receives the confirmed amount.
    QLineEdit* edDestino = nullptr;
};

extern TFrmCapturaValorTotal_Mod* FrmCapturaValorTotal_Mod;
