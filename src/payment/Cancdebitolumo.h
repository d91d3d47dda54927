// Cancellation of a bill payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancdebitolumo {

extern const TTabelaTrn TrnCancelamentoDebito;

} // namespace Cancdebitolumo
