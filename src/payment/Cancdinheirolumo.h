// Cancellation of a bill payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancdinheirolumo {

extern const TTabelaTrn TrnCancelamentoDinheiro;

} // namespace Cancdinheirolumo
