// Fininvest payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemchequefininvest {

extern TTabelaTrn TrnPagamentoChequeFin;

} // namespace Pagtoemchequefininvest
