// GPS payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaodebitogpsgrupo4 {

extern const TTabelaTrn TrnPagamentoDebitoGPS;

} // namespace Pagtoemcartaodebitogpsgrupo4
