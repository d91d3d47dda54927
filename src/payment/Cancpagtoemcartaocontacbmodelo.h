// Cancellation of a bill payment debited to the correspondent bank's card account: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancpagtoemcartaocontacbmodelo {

extern const TTabelaTrn TrnCancPagtoCartaoContaCB;

} // namespace Cancpagtoemcartaocontacbmodelo
