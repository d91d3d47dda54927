// Values query of the Corban OS network.
#pragma once

#include "topup/Consultavaloresrecargalumo.h"

class TFrmConsValHSBC : public TFrmConsValores {
    Q_OBJECT
public:
    explicit TFrmConsValHSBC(QWidget* pai);
};

extern TFrmConsValHSBC* FrmConsValHSBC;
