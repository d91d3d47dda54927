// Query of the destination of a prepaid-card transfer: the requests it sends.
#pragma once

#include "basekit.h"

namespace Consultatransferenciacartaoprepago {

extern TTabelaTrn TrnConsultaDadosTransf;

} // namespace Consultatransferenciacartaoprepago
