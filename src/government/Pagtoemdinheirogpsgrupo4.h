// GPS payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemdinheirogpsgrupo4 {

extern TTabelaTrn TrnPagamentoDinheiroGPS;

} // namespace Pagtoemdinheirogpsgrupo4
