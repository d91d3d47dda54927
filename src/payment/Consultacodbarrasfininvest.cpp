#include "payment/Consultacodbarrasfininvest.h"

#include "protocol/Tabelatrn.h"

namespace Consultacodbarrasfininvest {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> NUMERO_DOCUMENTO{};

CB_DESCRITOR(Consultacodbarrasfininvest, TrnConsultaCodigoBarras,
             Descritor(242, 0, {A, F(1040), K(NUMERO_DOCUMENTO).fmt(4)}));
CB_DESCRITOR(Consultacodbarrasfininvest, TrnConsultaPagamento,
             Descritor(242, 0,
                       {A, F(10102), F(10102, 1), F(10102, 2), F(10102, 3), F(10102, 4), F(1112), F(1040),
                        K(NUMERO_DOCUMENTO).fmt(4), F(10102, 5)}));

} // namespace Consultacodbarrasfininvest
