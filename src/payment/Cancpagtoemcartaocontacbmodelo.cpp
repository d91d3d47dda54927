#include "payment/Cancpagtoemcartaocontacbmodelo.h"

#include "protocol/Tabelatrn.h"

namespace Cancpagtoemcartaocontacbmodelo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancpagtoemcartaocontacbmodelo, TrnCancPagtoCartaoContaCB,
             Descritor(242, 1,
                       {B, K(""), F(1003), F(10164), F(10165), F(10166), F(10167), F(10168), F(10169).fmt(5),
                        F(10102), F(10102, 3), F(10104), F(10146), F(10102, 1), P3, T3}));

} // namespace Cancpagtoemcartaocontacbmodelo
