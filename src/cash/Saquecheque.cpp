#include "cash/Saquecheque.h"

#include "protocol/Tabelatrn.h"

namespace Saquecheque {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnSaqueCheque =
    Descritor(242, 1, {B, F(1003), F(10102), F(10102, 1), K("01"), F(10301), F(10301, 1)});

} // namespace Saquecheque
