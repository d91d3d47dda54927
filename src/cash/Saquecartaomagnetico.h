// Withdrawal with a magnetic card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Saquecartaomagnetico {

extern TTabelaTrn TrnSaqueCartaoMag;

} // namespace Saquecartaomagnetico
