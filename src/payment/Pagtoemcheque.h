// Bill payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcheque {

extern TTabelaTrn TrnPagamentoCheque;

} // namespace Pagtoemcheque
