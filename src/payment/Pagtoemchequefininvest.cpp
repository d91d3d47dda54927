#include "payment/Pagtoemchequefininvest.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemchequefininvest {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoChequeFin = Descritor(242, 1, {B, K(""), D7F, F(10102), F(10102, 1)});

} // namespace Pagtoemchequefininvest
