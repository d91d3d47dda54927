// Bill payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemdinheiro {

extern TTabelaTrn TrnPagamentoDinheiro;

} // namespace Pagtoemdinheiro
