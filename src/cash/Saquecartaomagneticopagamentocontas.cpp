#include "cash/Saquecartaomagneticopagamentocontas.h"

#include "protocol/Tabelatrn.h"

namespace Saquecartaomagneticopagamentocontas {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnSaqueCartaoMagPagtoCta =
    Descritor(242, 1,
              {B, F(1003), F(10104), F(10146), F(10102), F(10243, "NSPIN:"), F(10242, "CHKSUM:"),
               F(10244, "FABPIN:"), F(10149, "CSEG:"), T3});

} // namespace Saquecartaomagneticopagamentocontas
