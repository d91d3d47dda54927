// Mobile top-up paid in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Recargadinheirolumo {

extern const TTabelaTrn TrnRecargaDinheiro;

} // namespace Recargadinheirolumo
