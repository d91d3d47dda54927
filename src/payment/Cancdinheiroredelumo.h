// Cancellation of a network bill payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancdinheiroredelumo {

extern const TTabelaTrn TrnCancelamentoDinheiro;

} // namespace Cancdinheiroredelumo
