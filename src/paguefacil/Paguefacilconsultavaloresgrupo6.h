// Pague Fácil query of values: the requests it sends.
#pragma once

#include "basekit.h"

namespace Paguefacilconsultavaloresgrupo6 {

extern TTabelaTrn TrnConsultaValoresPagueFacil;

} // namespace Paguefacilconsultavaloresgrupo6
