// Generic Fininvest card payment: the requests it sends.
#pragma once

#include "basekit.h"

#include <array>

namespace Pagtogenericofininvestlumo {

// Module variables whose current text the descriptors send (NUL-terminated).
extern std::array<char, 64> acPagamentoDinheiro;
extern std::array<char, 64> acPagamentoCheque;
extern std::array<char, 64> acPagamentoTefDebito;

extern TTabelaTrn TrnPagamentoGenericoFininvest;

} // namespace Pagtogenericofininvestlumo
