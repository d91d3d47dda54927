// Pague Fácil query of states: the requests it sends.
#pragma once

#include "basekit.h"

namespace Paguefacilconsultaufgrupo6 {

extern const TTabelaTrn TrnConsultaUF;

} // namespace Paguefacilconsultaufgrupo6
