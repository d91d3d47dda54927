// GPS payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemchequegpsgrupo4 {

extern const TTabelaTrn TrnPagamentoChequeGPS;

} // namespace Pagtoemchequegpsgrupo4
