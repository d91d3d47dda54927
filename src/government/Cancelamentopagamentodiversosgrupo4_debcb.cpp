#include "government/Cancelamentopagamentodiversosgrupo4_debcb.h"

#include "protocol/Tabelatrn.h"

namespace Cancelamentopagamentodiversosgrupo4_debcb {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentopagamentodiversosgrupo4_debcb, TrnCancelamentoDebitoCB,
             Descritor(242, 1,
                       {A, K(""), F(1003), F(10154), F(10154, 1), K("1"), F(10104), F(10146), F(10163), P3,
                        T3}));

} // namespace Cancelamentopagamentodiversosgrupo4_debcb
