// Settlement closing: the requests it sends.
#pragma once

#include "basekit.h"

namespace Fechamentorepasse {

extern const TTabelaTrn TrnFechamentoRepasse;

} // namespace Fechamentorepasse
