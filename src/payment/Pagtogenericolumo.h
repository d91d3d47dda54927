// Generic card payment: reports a card sale made in the host together with the bills it paid: the requests it
// sends.
#pragma once

#include "basekit.h"

#include <array>

namespace Pagtogenericolumo {

// Module variables whose current text the descriptors send (NUL-terminated).
extern std::array<char, 64> FormaPagtoTEF;
extern std::array<char, 64> RedeTEF;
// TEF establishment code, 15 characters.
extern std::array<char, 16> CodigoEstabelecimentoTEF;
// TEF company code, 12 characters.
extern std::array<char, 13> CodigoEmpresaTEF;

extern TTabelaTrn TrnPagamentoGenerico;
extern TTabelaTrn TrnPagamentoGenericoSaque;

} // namespace Pagtogenericolumo
