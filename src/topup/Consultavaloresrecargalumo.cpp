#include "topup/Consultavaloresrecargalumo.h"

#include "protocol/Tabelatrn.h"

namespace Consultavaloresrecargalumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Consultavaloresrecargalumo, TrnConsultaValores,
             Descritor(241, 0,
                       {F(1205), F(10171), F(10103), F(1038), F(1039), F(1253), F(1122),
                        F(10323, "VRSREC:")}));

} // namespace Consultavaloresrecargalumo
