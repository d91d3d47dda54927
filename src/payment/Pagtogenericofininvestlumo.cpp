#include "payment/Pagtogenericofininvestlumo.h"

#include "protocol/Tabelatrn.h"

namespace Pagtogenericofininvestlumo {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> acPagamentoDinheiro{};
constinit std::array<char, 64> acPagamentoCheque{};
constinit std::array<char, 64> acPagamentoTefDebito{};

constinit TTabelaTrn TrnPagamentoGenericoFininvest =
    Descritor(242, 1,
              {B, F(10102), D7F, K(acPagamentoDinheiro).sep(59), K(acPagamentoCheque).sep(59),
               K(acPagamentoTefDebito).sep(59), K(""), F(10301), F(10301, 1)});

} // namespace Pagtogenericofininvestlumo
