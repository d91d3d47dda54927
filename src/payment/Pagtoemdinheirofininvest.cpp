#include "payment/Pagtoemdinheirofininvest.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemdinheirofininvest {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoDinheiroFin = Descritor(242, 1, {A, F(10102), D7F});

} // namespace Pagtoemdinheirofininvest
