// Cancellation of a DARF or GPS payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancelamentopagamentodiversosgrupo4_debcb {

extern const TTabelaTrn TrnCancelamentoDebitoCB;

} // namespace Cancelamentopagamentodiversosgrupo4_debcb
