// Settlement closing: the requests it sends.
#pragma once

#include "basekit.h"

namespace Fechamentorepasse {

extern TTabelaTrn TrnFechamentoRepasse;

} // namespace Fechamentorepasse
