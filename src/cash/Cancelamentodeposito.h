// Cancellation of a deposit: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancelamentodeposito {

extern const TTabelaTrn TrnCancelamentoDeposito;

} // namespace Cancelamentodeposito
