#include "paguefacil/Paguefacilconsultaempresagrupo6.h"

#include "protocol/Tabelatrn.h"

namespace Paguefacilconsultaempresagrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultaempresagrupo6, TrnConsultaEmpresa,
             Descritor(242, 0,
                       {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1324), F(10287)}));

} // namespace Paguefacilconsultaempresagrupo6
