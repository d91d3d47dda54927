// DARF Preto payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemdinheirodarfpretogrupo4 {

extern const TTabelaTrn TrnPagamentoDinheiroDarfPreto;

} // namespace Pagtoemdinheirodarfpretogrupo4
