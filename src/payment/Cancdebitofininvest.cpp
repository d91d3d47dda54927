#include "payment/Cancdebitofininvest.h"

#include "protocol/Tabelatrn.h"

namespace Cancdebitofininvest {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancdebitofininvest, TrnCancelamentoDebitoFin,
             Descritor(242, 1, {B,        K(""),    F(1003),  F(10164),        F(10165),       F(10166),
                                F(1112),  F(10167), F(10168), F(10169).fmt(5), F(10102),       F(10102, 1),
                                F(10112), K(""),    F(10104), F(1003).fmt(4),  F(1013).sep(4), F(1020).fmt(8),
                                F(10149), T3}));

} // namespace Cancdebitofininvest
