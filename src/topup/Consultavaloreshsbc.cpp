#include "topup/Consultavaloreshsbc.h"

TFrmConsValHSBC* FrmConsValHSBC = nullptr;

TFrmConsValHSBC::TFrmConsValHSBC(QWidget* pai)
    : TFrmConsValores(pai, QString(), Lumomain::RedeRecarga::CorbanOS) {}
