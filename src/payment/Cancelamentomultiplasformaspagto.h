// Cancellation of a Fininvest payment in several forms: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancelamentomultiplasformaspagto {

extern TTabelaTrn TrnCancelamentoDinChqFin;
extern TTabelaTrn TrnCancelamentoDinDebFin;
extern TTabelaTrn TrnCancelamentoChqDebFin;
extern TTabelaTrn TrnCancelamentoDinChqDebFin;

} // namespace Cancelamentomultiplasformaspagto
