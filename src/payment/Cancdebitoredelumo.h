// Cancellation of a network bill payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancdebitoredelumo {

extern const TTabelaTrn TrnCancelamentoDebito;

} // namespace Cancdebitoredelumo
