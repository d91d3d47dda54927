// Cancellation of a Fininvest payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancdinheirofininvest {

extern const TTabelaTrn TrnCancelamentoDinheiroFin;

} // namespace Cancdinheirofininvest
