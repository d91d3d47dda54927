#include "payment/Pagtogenericolumo.h"

#include "protocol/Tabelatrn.h"

namespace Pagtogenericolumo {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> FormaPagtoTEF{};
constinit std::array<char, 64> RedeTEF{};
constinit std::array<char, 16> CodigoEstabelecimentoTEF{};
constinit std::array<char, 13> CodigoEmpresaTEF{};

constinit TTabelaTrn TrnPagamentoGenerico =
    Descritor(242, 1,
              {B, F(10102), D7, F(10163, FormaPagtoTEF).sep(58), K(RedeTEF).sep(58), F(1013).sep(58),
               F(1020).sep(58), K(CodigoEstabelecimentoTEF).sep(58), K(CodigoEmpresaTEF).sep(59), K(""),
               F(10301), F(10301, 1), F(10440, "DADICPAGCB:")});
constinit TTabelaTrn TrnPagamentoGenericoSaque = Descritor(
    242, 1, {B, F(10102), D7, F(1013, FormaPagtoTEF).sep(58), F(1020).sep(58), K(CodigoEmpresaTEF).sep(59)});

} // namespace Pagtogenericolumo
