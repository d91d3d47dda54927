// Pague Fácil query of entry types: the requests it sends.
#pragma once

#include "basekit.h"

namespace Paguefacilconsultaentradagrupo6 {

extern const TTabelaTrn TrnConsultaEntrada;

} // namespace Paguefacilconsultaentradagrupo6
