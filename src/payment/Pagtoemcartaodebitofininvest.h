// Fininvest payment with a debit card (plain and forced debit): the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaodebitofininvest {

extern TTabelaTrn TrnPagamentoDebitoFin;
extern TTabelaTrn TrnPagamentoDebitoForcadoFin;

} // namespace Pagtoemcartaodebitofininvest
