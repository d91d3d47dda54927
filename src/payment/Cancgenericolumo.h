// Cancellation of a generic card payment, and its query: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancgenericolumo {

extern TTabelaTrn TrnCancelamentoGenerico;
extern TTabelaTrn TrnConsultaCancelamentoGenerico;

} // namespace Cancgenericolumo
