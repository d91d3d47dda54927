// Query of the dates of the available benefit statements: the requests it sends.
#pragma once

#include "basekit.h"

namespace Consultadatasdemonstrativosdisponiveis {

extern const TTabelaTrn TrnCnsDtDemDsp;

} // namespace Consultadatasdemonstrativosdisponiveis
