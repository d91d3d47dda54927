#include "topup/Consultavaloresgxs.h"

TFrmConsValGXS* FrmConsValGXS = nullptr;

TFrmConsValGXS::TFrmConsValGXS(QWidget* pai)
    : TFrmConsValores(pai, QStringLiteral("FrmConsValGXS"), Lumomain::RedeRecarga::GXS) {}
