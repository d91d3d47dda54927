// Cancellation of a Fininvest payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancchequefininvest {

extern const TTabelaTrn TrnCancelamentoChequeFin;

} // namespace Cancchequefininvest
