#include "topup/Consultafiliaishsbc.h"

#include "topup/Consultavaloreshsbc.h"

TFrmConsFiliaisHSBC* FrmConsFiliaisHSBC = nullptr;

TFrmConsFiliaisHSBC::TFrmConsFiliaisHSBC(QWidget* pai)
    : TFrmConsFiliais(pai, QString(), Lumomain::RedeRecarga::CorbanOS) {}

bool TFrmConsFiliaisHSBC::ExecutaConsultaValores() {
    return AbreProximo(FrmConsValHSBC);
}
