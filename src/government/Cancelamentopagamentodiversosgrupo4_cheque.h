// Cancellation of a DARF or GPS payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancelamentopagamentodiversosgrupo4_cheque {

extern const TTabelaTrn TrnCancelamentoCheque;

} // namespace Cancelamentopagamentodiversosgrupo4_cheque
