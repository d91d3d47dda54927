// Reprint of a Fininvest payment receipt: the requests it sends.
#pragma once

#include "basekit.h"

namespace Reimpressaofininvest {

extern const TTabelaTrn TrnReimpressaoFin;

} // namespace Reimpressaofininvest
