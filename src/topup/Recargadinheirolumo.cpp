#include "topup/Recargadinheirolumo.h"

#include "protocol/Tabelatrn.h"

namespace Recargadinheirolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Recargadinheirolumo, TrnRecargaDinheiro,
             Descritor(241, 1,
                       {F(1205), F(10171), F(10103), F(1038).sep(255), F(1039), F(1253), F(1003), F(1256),
                        F(1090), F(10301), F(10301, 1), F(10332, "CHVAL:")}));

} // namespace Recargadinheirolumo
