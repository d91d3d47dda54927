// GPS payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemdinheirogpsgrupo4 {

extern const TTabelaTrn TrnPagamentoDinheiroGPS;

} // namespace Pagtoemdinheirogpsgrupo4
