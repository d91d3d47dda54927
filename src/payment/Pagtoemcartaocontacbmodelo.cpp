#include "payment/Pagtoemcartaocontacbmodelo.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcartaocontacbmodelo {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoCB = Descritor(
    242, 1, {B, F(10102), D7, F(10102, 3), F(10104), F(10146), F(10102, 1), P3, F(10544, "TOKEN:"), T3});

} // namespace Pagtoemcartaocontacbmodelo
