// Withdrawal of an INSS benefit: the requests it sends.
#pragma once

#include "basekit.h"

namespace Saquebeneficioinss {

extern TTabelaTrn TrnSaqueINSS;

} // namespace Saquebeneficioinss
