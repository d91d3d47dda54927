#include "topup/Consultafiliaisgxs.h"

#include "topup/Consultavaloresgxs.h"

TFrmConsFiliaisGXS* FrmConsFiliaisGXS = nullptr;

TFrmConsFiliaisGXS::TFrmConsFiliaisGXS(QWidget* pai)
    : TFrmConsFiliais(pai, QString(), Lumomain::RedeRecarga::GXS) {}

bool TFrmConsFiliaisGXS::ExecutaConsultaValores() {
    return AbreProximo(FrmConsValGXS);
}
