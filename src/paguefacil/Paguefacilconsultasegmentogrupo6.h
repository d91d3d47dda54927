// Pague Fácil query of segments: the requests it sends.
#pragma once

#include "basekit.h"

namespace Paguefacilconsultasegmentogrupo6 {

extern const TTabelaTrn TrnConsultaSegmento;

} // namespace Paguefacilconsultasegmentogrupo6
