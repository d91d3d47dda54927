// Cancellation of a generic card payment, and its query: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancgenericolumo {

extern const TTabelaTrn TrnCancelamentoGenerico;
extern const TTabelaTrn TrnConsultaCancelamentoGenerico;

} // namespace Cancgenericolumo
