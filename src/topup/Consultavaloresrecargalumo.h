// Query of the top-up values of a network: the requests it sends.
#pragma once

#include "basekit.h"

namespace Consultavaloresrecargalumo {

extern const TTabelaTrn TrnConsultaValores;

} // namespace Consultavaloresrecargalumo
