// Cancellation of a bill payment with a credit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Canccreditolumo {

extern const TTabelaTrn TrnCancelamentoCredito;

} // namespace Canccreditolumo
