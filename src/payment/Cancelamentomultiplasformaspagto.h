// Cancellation of a Fininvest payment in several forms: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancelamentomultiplasformaspagto {

extern const TTabelaTrn TrnCancelamentoDinChqFin;
extern const TTabelaTrn TrnCancelamentoDinDebFin;
extern const TTabelaTrn TrnCancelamentoChqDebFin;
extern const TTabelaTrn TrnCancelamentoDinChqDebFin;

} // namespace Cancelamentomultiplasformaspagto
