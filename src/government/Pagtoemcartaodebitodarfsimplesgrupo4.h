// DARF Simples payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaodebitodarfsimplesgrupo4 {

extern const TTabelaTrn TrnPagamentoDebitoDarfSimples;

} // namespace Pagtoemcartaodebitodarfsimplesgrupo4
