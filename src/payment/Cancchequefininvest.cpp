#include "payment/Cancchequefininvest.h"

#include "protocol/Tabelatrn.h"

namespace Cancchequefininvest {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancchequefininvest, TrnCancelamentoChequeFin,
             Descritor(242, 1,
                       {A, K(""), F(1003), F(10164), F(10165), F(10166), F(1112), F(10167), F(10168),
                        F(10169).fmt(5), F(10102)}));

} // namespace Cancchequefininvest
