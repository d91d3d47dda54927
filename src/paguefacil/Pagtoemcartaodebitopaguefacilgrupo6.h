// Pague Fácil payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaodebitopaguefacilgrupo6 {

extern const TTabelaTrn TrnPagamentoDebitoPagueFacil;

} // namespace Pagtoemcartaodebitopaguefacilgrupo6
