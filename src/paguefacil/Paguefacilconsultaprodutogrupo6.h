// Pague Fácil query of products: the requests it sends.
#pragma once

#include "basekit.h"

namespace Paguefacilconsultaprodutogrupo6 {

extern const TTabelaTrn TrnConsultaProduto;

} // namespace Paguefacilconsultaprodutogrupo6
