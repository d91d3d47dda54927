#include "paguefacil/Paguefacilconsultavaloresgrupo6.h"

#include "protocol/Tabelatrn.h"

namespace Paguefacilconsultavaloresgrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultavaloresgrupo6, TrnConsultaValoresPagueFacil,
             Descritor(242, 0,
                       {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1061), F(1074),
                        F(1325)}));

} // namespace Paguefacilconsultavaloresgrupo6
