#include "cash/Cancelamentodeposito.h"

#include "protocol/Tabelatrn.h"

namespace Cancelamentodeposito {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentodeposito, TrnCancelamentoDeposito,
             Descritor(242, 1, {B, F(1003), F(10102, 1), F(10189), F(10102)}));

} // namespace Cancelamentodeposito
