#include "cash/Depositodinheirocheque.h"

#include "protocol/Tabelatrn.h"

namespace Depositodinheirocheque {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 24> acDadosContaDeposito{};

CB_DESCRITOR(Depositodinheirocheque, TrnConsultaDeposito,
             Descritor(242, 0,
                       {B, F(1003), F(10102), K(acDadosContaDeposito), F(1006), F(1007), F(10199), F(10183),
                        F(10184), F(10189)}));
CB_DESCRITOR(Depositodinheirocheque, TrnDeposito,
             Descritor(242, 1,
                       {B, F(1003), F(10102), K(acDadosContaDeposito), F(1006), F(1007), F(10199), F(10240),
                        F(10183), F(10184), F(10189), F(10162).bloco(3), F(10163), F(10164), F(10165),
                        F(10301), F(10301, 1)}));

} // namespace Depositodinheirocheque
