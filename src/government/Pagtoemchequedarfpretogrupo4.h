// DARF Preto payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemchequedarfpretogrupo4 {

extern const TTabelaTrn TrnPagamentoChequeDarfPreto;

} // namespace Pagtoemchequedarfpretogrupo4
