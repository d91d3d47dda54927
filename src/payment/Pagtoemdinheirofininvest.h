// Fininvest payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemdinheirofininvest {

extern TTabelaTrn TrnPagamentoDinheiroFin;

} // namespace Pagtoemdinheirofininvest
