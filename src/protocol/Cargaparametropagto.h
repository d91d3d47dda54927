// Parameter load of a payment group: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cargaparametropagto {

extern TTabelaTrn TrnConsultaCargaParamentros;

} // namespace Cargaparametropagto
