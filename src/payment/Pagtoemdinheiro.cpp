#include "payment/Pagtoemdinheiro.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemdinheiro {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoDinheiro = Descritor(
    242, 1, {A, F(10102), D7, F(10301), F(10301, 1), F(10440, "DADICPAGCB:"), F(10176).sep(255), V});

} // namespace Pagtoemdinheiro
