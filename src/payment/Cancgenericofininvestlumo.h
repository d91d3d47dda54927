// Cancellation of a generic Fininvest card payment, and its query: the requests it sends.
#pragma once

#include "basekit.h"

namespace Cancgenericofininvestlumo {

extern const TTabelaTrn TrnCancelamentoGenericoFininvest;
extern const TTabelaTrn TrnConsultaCancelamentoGenericoFininvest;

} // namespace Cancgenericofininvestlumo
