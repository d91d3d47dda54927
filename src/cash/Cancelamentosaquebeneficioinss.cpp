#include "cash/Cancelamentosaquebeneficioinss.h"

#include "protocol/Tabelatrn.h"

namespace Cancelamentosaquebeneficioinss {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentosaquebeneficioinss, TrnCancelamentoSaqueINSS,
             Descritor(242, 1, {B, F(1003), F(10104), F(10102), F(10149, "CSEG:"), T3}));

} // namespace Cancelamentosaquebeneficioinss
