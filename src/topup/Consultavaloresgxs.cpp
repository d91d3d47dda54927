#include "topup/Consultavaloresgxs.h"

TFrmConsValGXS* FrmConsValGXS = nullptr;

TFrmConsValGXS::TFrmConsValGXS(QWidget* pai) : TFrmConsValores(pai, QString(), Lumomain::RedeRecarga::GXS) {}
