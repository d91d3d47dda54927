#include "admin/Fechamentorepasse.h"

#include "protocol/Tabelatrn.h"

namespace Fechamentorepasse {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Fechamentorepasse, TrnFechamentoRepasse,
             Descritor(242, 1, {A, F(10112), F(1040), F(1041).fmt(4), F(1252)}));

} // namespace Fechamentorepasse
