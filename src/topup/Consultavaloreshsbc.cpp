#include "topup/Consultavaloreshsbc.h"

TFrmConsValHSBC* FrmConsValHSBC = nullptr;

TFrmConsValHSBC::TFrmConsValHSBC(QWidget* pai)
    : TFrmConsValores(pai, QStringLiteral("FrmConsValHSBC"), Lumomain::RedeRecarga::CorbanOS) {}
