#include "topup/Recargatefdebitolumo.h"

#include "protocol/Tabelatrn.h"

namespace Recargatefdebitolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Recargatefdebitolumo, TrnRecargaTEFDebito,
             Descritor(241, 1,
                       {F(1205), F(10171), F(10103), F(1038).sep(255), F(1039), F(1253), F(1003), F(1256),
                        F(10102), F(10104), F(10146), P3, F(10301), F(10301, 1), F(10332, "CHVAL:"),
                        F(10544, "TOKEN:"), T3}));

} // namespace Recargatefdebitolumo
