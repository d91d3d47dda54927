// Cancellation of a bill payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancchequelumo {

extern const TTabelaTrn TrnCancelamentoCheque;

} // namespace Cancchequelumo
