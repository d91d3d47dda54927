// Pague Fácil query of companies: the requests it sends.
#pragma once

#include "basekit.h"

namespace Paguefacilconsultaempresagrupo6 {

extern const TTabelaTrn TrnConsultaEmpresa;

} // namespace Paguefacilconsultaempresagrupo6
