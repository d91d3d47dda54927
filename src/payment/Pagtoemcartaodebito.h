// Bill payment with a debit card (plain, forced debit and network): the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaodebito {

extern TTabelaTrn TrnPagamentoDebito;
extern TTabelaTrn TrnPagamentoDebitoForcado;
extern TTabelaTrn TrnPagamentoDebitoRede;

} // namespace Pagtoemcartaodebito
