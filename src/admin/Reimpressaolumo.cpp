#include "admin/Reimpressaolumo.h"

#include "protocol/Tabelatrn.h"

namespace Reimpressaolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Reimpressaolumo, TrnReimpressao,
             Descritor(242, 1, {B, K(""), F(1003), F(10167), F(10168), F(10102)}));

} // namespace Reimpressaolumo
