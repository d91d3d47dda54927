#include "topup/Consultafiliaisbradesco.h"

#include "topup/Consultavaloresbradesco.h"

TFrmConsFiliaisBrad* FrmConsFiliaisBrad = nullptr;

TFrmConsFiliaisBrad::TFrmConsFiliaisBrad(QWidget* pai)
    : TFrmConsFiliais(pai, QString(), Lumomain::RedeRecarga::Bradesco) {}

bool TFrmConsFiliaisBrad::ExecutaConsultaValores() {
    return AbreProximo(FrmConsValBrad);
}
