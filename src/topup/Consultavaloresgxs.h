// Values query of the GXS network.
#pragma once

#include "topup/Consultavaloresrecargalumo.h"

class TFrmConsValGXS : public TFrmConsValores {
    Q_OBJECT
public:
    explicit TFrmConsValGXS(QWidget* pai);
};

extern TFrmConsValGXS* FrmConsValGXS;
