// Withdrawal with a withdrawal receipt: the requests it sends.
#pragma once

#include "basekit.h"

namespace Saquecomreciboretirada {

extern TTabelaTrn TrnSaqueReciboRetirada;

} // namespace Saquecomreciboretirada
