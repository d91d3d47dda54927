#include "topup/Consultavaloresbradesco.h"

TFrmConsValBrad* FrmConsValBrad = nullptr;

TFrmConsValBrad::TFrmConsValBrad(QWidget* pai)
    : TFrmConsValores(pai, QString(), Lumomain::RedeRecarga::Bradesco) {}
