#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"

#include "protocol/Tabelatrn.h"

namespace Paguefacilconsultasegmentogrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultasegmentogrupo6, TrnConsultaSegmento,
             Descritor(242, 0, {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287)}));

} // namespace Paguefacilconsultasegmentogrupo6
