#include "payment/Pagtoemcartaodebito.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcartaodebito {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoDebito =
    Descritor(242, 1,
              {B, F(10102), D7, F(10102, 1), F(10112), K(""), F(1003).fmt(4), F(10104), F(10146),
               F(10151).fmt(4), F(10149), F(10150), T3, F(10378, "CTLS:"), F(10440, "DADICPAGCB:")});
constinit TTabelaTrn TrnPagamentoDebitoForcado = Descritor(
    242, 1,
    {A, F(10102), D7, F(10102, 1), F(10112), K(""), F(1003).fmt(4), F(10104), F(10146), F(10151).fmt(4),
     F(10149), F(10150), F(10102, 2), T3, F(10378, "CTLS:"), F(10440, "DADICPAGCB:"), V});
constinit TTabelaTrn TrnPagamentoDebitoRede =
    Descritor(242, 1,
              {A, F(10102), D7, F(10102, 1), F(1003).fmt(4), F(10104), F(10146), F(10151).fmt(4), F(10149),
               F(10150), T3, F(10378, "CTLS:"), F(10440, "DADICPAGCB:"), V});

} // namespace Pagtoemcartaodebito
