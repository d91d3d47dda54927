// Cancellation of a Fininvest payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancdebitofininvest {

extern const TTabelaTrn TrnCancelamentoDebitoFin;

} // namespace Cancdebitofininvest
