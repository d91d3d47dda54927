#include "paguefacil/Paguefacilconsultaentradagrupo6.h"

#include "protocol/Tabelatrn.h"

namespace Paguefacilconsultaentradagrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Paguefacilconsultaentradagrupo6, TrnConsultaEntrada,
             Descritor(242, 0, {F(10112), F(10171), K("06"), F(10103), F(10158), F(10287), F(1225)}));

} // namespace Paguefacilconsultaentradagrupo6
