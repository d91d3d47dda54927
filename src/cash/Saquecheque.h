// Withdrawal by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Saquecheque {

extern TTabelaTrn TrnSaqueCheque;

} // namespace Saquecheque
