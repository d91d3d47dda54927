#include "payment/Pagtoemcartaocredito.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcartaocredito {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoCredito = Descritor(
    242, 1, {B,        F(10102),       D7,      F(10102, 1),      F(10112), K(""),  F(10134),       F(10156),
             F(10104), F(1003).fmt(4), F(1017), F(10151),         F(10147), K("0"), F(1019).fmt(4), F(10146),
             F(10149), F(10157),       T3,      F(10378, "CTLS:")});
constinit TTabelaTrn TrnPagamentoCreditoRede = Descritor(242, 1,
                                                         {A,
                                                          F(10102),
                                                          D7,
                                                          F(10102, 1),
                                                          F(10134),
                                                          F(10156),
                                                          F(10104),
                                                          F(1003).fmt(4),
                                                          F(1017),
                                                          F(10151),
                                                          F(10147),
                                                          K("0"),
                                                          F(1019).fmt(4),
                                                          F(10146),
                                                          F(10149),
                                                          F(10157),
                                                          T3,
                                                          F(10378, "CTLS:"),
                                                          F(10440, "DADICPAGCB:"),
                                                          V});

} // namespace Pagtoemcartaocredito
