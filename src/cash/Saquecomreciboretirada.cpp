#include "cash/Saquecomreciboretirada.h"

#include "protocol/Tabelatrn.h"

namespace Saquecomreciboretirada {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnSaqueReciboRetirada =
    Descritor(242, 1, {B, F(1003), F(10102, 2), F(10102), F(10102, 1)});

} // namespace Saquecomreciboretirada
