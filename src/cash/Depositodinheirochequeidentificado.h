// Identified deposit in cash and cheques, and its queries: the requests it sends.
#pragma once

#include "basekit.h"

#include <array>

namespace Depositodinheirochequeidentificado {

// Module variables whose current text the descriptors send (NUL-terminated).
extern std::array<char, 64> acTipoModalidade;
extern std::array<char, 64> acDadosDepositante;
extern std::array<char, 64> acTipoConta;
// Account key, 23 characters.
extern std::array<char, 24> acDadosContaDeposito;
extern std::array<char, 64> acTipoOperacao;
// Track 2 of the depositor's card: sensitive, overwritten once the query has been sent.
extern std::array<char, 64> acTrilha2;
extern std::array<char, 64> acSequenciacartao;
extern std::array<char, 64> acViacartao;

extern const TTabelaTrn TrnConsultaDadosDepositoIdentificadoModalidade12;
extern const TTabelaTrn TrnConsultaDadosDepositoIdentificadoModalidade34;
extern const TTabelaTrn TrnDepositoIdentificado;

} // namespace Depositodinheirochequeidentificado
