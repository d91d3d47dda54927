#include "topup/Consultavaloresbradesco.h"

TFrmConsValBrad* FrmConsValBrad = nullptr;

TFrmConsValBrad::TFrmConsValBrad(QWidget* pai)
    : TFrmConsValores(pai, QStringLiteral("FrmConsValBrad"), Lumomain::RedeRecarga::Bradesco) {}
