// Withdrawal with a magnetic card that pays bills: the requests it sends.
#pragma once

#include "basekit.h"

namespace Saquecartaomagneticopagamentocontas {

extern TTabelaTrn TrnSaqueCartaoMagPagtoCta;

} // namespace Saquecartaomagneticopagamentocontas
