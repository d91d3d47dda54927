// Cancellation of a network bill payment with a credit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Canccreditoredelumo {

extern const TTabelaTrn TrnCancelamentoCreditoRede;

} // namespace Canccreditoredelumo
