#include "paguefacil/Paguefacilconsultaprodutogrupo6.h"

#include "protocol/Tabelatrn.h"

namespace Paguefacilconsultaprodutogrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultaprodutogrupo6, TrnConsultaProduto,
             Descritor(242, 0, {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1315)}));

} // namespace Paguefacilconsultaprodutogrupo6
