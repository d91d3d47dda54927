// Values query of the Bradesco network.
#pragma once

#include "topup/Consultavaloresrecargalumo.h"

class TFrmConsValBrad : public TFrmConsValores {
    Q_OBJECT
public:
    explicit TFrmConsValBrad(QWidget* pai);
};

extern TFrmConsValBrad* FrmConsValBrad;
