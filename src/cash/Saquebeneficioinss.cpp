#include "cash/Saquebeneficioinss.h"

#include "protocol/Tabelatrn.h"

namespace Saquebeneficioinss {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnSaqueINSS =
    Descritor(242, 1, {B, F(1003), F(10104), F(10146), F(10102), P3, F(10544, "TOKEN:"), T3});

} // namespace Saquebeneficioinss
