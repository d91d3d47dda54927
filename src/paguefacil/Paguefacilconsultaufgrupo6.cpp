#include "paguefacil/Paguefacilconsultaufgrupo6.h"

#include "protocol/Tabelatrn.h"

namespace Paguefacilconsultaufgrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultaufgrupo6, TrnConsultaUF,
             Descritor(242, 0, {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1323)}));

} // namespace Paguefacilconsultaufgrupo6
