#include "payment/Cancgenericolumo.h"

#include "protocol/Tabelatrn.h"

namespace Cancgenericolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancgenericolumo, TrnCancelamentoGenerico,
             Descritor(242, 1,
                       {B, K(""), F(1003), F(10164), F(10165), F(10166), F(10167), F(10168), F(10169).fmt(5),
                        F(10102), F(10301), F(10301, 1)}));
CB_DESCRITOR(Cancgenericolumo, TrnConsultaCancelamentoGenerico,
             Descritor(242, 0, {B, F(10102), F(10301), F(10301, 1)}));

} // namespace Cancgenericolumo
