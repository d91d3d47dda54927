#include "topup/Consultafiliaisbradesco.h"

#include "topup/Consultavaloresbradesco.h"

TFrmConsFiliaisBrad* FrmConsFiliaisBrad = nullptr;

TFrmConsFiliaisBrad::TFrmConsFiliaisBrad(QWidget* pai)
    : TFrmConsFiliais(pai, QStringLiteral("FrmConsFiliaisBrad"), Lumomain::RedeRecarga::Bradesco) {}

bool TFrmConsFiliaisBrad::ExecutaConsultaValores() {
    return AbreProximo(FrmConsValBrad, "FrmConsValBrad");
}
