// Cheque query that precedes a bill payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemchequetrn {

extern TTabelaTrn TrnPagamentoConsultaCheque;

} // namespace Pagtoemchequetrn
