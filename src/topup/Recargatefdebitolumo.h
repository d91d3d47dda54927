// Mobile top-up paid with a debit card: the requests it sends.
#pragma once

#include "basekit.h"

namespace Recargatefdebitolumo {

extern const TTabelaTrn TrnRecargaTEFDebito;

} // namespace Recargatefdebitolumo
