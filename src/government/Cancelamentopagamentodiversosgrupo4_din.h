// Cancellation of a DARF or GPS payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancelamentopagamentodiversosgrupo4_din {

extern const TTabelaTrn TrnCancelamentoDinheiro;

} // namespace Cancelamentopagamentodiversosgrupo4_din
