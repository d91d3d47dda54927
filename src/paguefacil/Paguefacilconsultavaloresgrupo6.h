// Pague Fácil query of values: the requests it sends.
#pragma once

#include "basekit.h"

namespace Paguefacilconsultavaloresgrupo6 {

extern const TTabelaTrn TrnConsultaValoresPagueFacil;

} // namespace Paguefacilconsultavaloresgrupo6
