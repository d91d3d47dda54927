// DARF Simples payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemdinheirodarfsimplesgrupo4 {

extern const TTabelaTrn TrnPagamentoDinheiroDarfSimples;

} // namespace Pagtoemdinheirodarfsimplesgrupo4
