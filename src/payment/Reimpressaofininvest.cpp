#include "payment/Reimpressaofininvest.h"

#include "protocol/Tabelatrn.h"

namespace Reimpressaofininvest {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Reimpressaofininvest, TrnReimpressaoFin,
             Descritor(242, 1, {B, K(""), F(1003), F(1112), F(10167), F(10168), F(10102)}));

} // namespace Reimpressaofininvest
