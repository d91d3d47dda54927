// Deposit in cash and cheques, and its query: the requests it sends.
#pragma once

#include "basekit.h"

#include <array>

namespace Depositodinheirocheque {

// Module variables whose current text the descriptors send (NUL-terminated).
// Account key, 23 characters.
extern std::array<char, 24> acDadosContaDeposito;

extern const TTabelaTrn TrnConsultaDeposito;
extern const TTabelaTrn TrnDeposito;

} // namespace Depositodinheirocheque
