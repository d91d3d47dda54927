// Fininvest payment with a credit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaocreditofininvest {

extern TTabelaTrn TrnPagamentoCreditoFin;

} // namespace Pagtoemcartaocreditofininvest
