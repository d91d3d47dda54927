// Reprint of a bill-payment receipt: the requests it sends.
#pragma once

#include "basekit.h"

namespace Reimpressaolumo {

extern const TTabelaTrn TrnReimpressao;

} // namespace Reimpressaolumo
