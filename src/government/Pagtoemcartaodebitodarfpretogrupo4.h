// DARF Preto payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaodebitodarfpretogrupo4 {

extern const TTabelaTrn TrnPagamentoDebitoDarfPreto;

} // namespace Pagtoemcartaodebitodarfpretogrupo4
