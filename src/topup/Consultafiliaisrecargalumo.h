// Query of the top-up networks: the requests it sends.
#pragma once

#include "basekit.h"

namespace Consultafiliaisrecargalumo {

extern const TTabelaTrn TrnConsultaFiliais;

} // namespace Consultafiliaisrecargalumo
