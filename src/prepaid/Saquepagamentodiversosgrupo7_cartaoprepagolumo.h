// Withdrawal with a prepaid card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Saquepagamentodiversosgrupo7_cartaoprepagolumo {

extern TTabelaTrn TrnSaqueCartaoPrePago;

} // namespace Saquepagamentodiversosgrupo7_cartaoprepagolumo
