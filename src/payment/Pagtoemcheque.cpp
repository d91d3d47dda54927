#include "payment/Pagtoemcheque.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcheque {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoCheque = Descritor(242, 1, {B, F(10102, 2), D7, F(10102), F(10102, 1)});

} // namespace Pagtoemcheque
