// Cancellation of an INSS benefit withdrawal: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancelamentosaquebeneficioinss {

extern const TTabelaTrn TrnCancelamentoSaqueINSS;

} // namespace Cancelamentosaquebeneficioinss
