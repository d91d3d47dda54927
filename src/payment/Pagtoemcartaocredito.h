// Bill payment with a credit card (plain and network): the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaocredito {

extern TTabelaTrn TrnPagamentoCredito;
extern TTabelaTrn TrnPagamentoCreditoRede;

} // namespace Pagtoemcartaocredito
