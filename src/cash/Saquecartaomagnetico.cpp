#include "cash/Saquecartaomagnetico.h"

#include "protocol/Tabelatrn.h"

namespace Saquecartaomagnetico {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnSaqueCartaoMag =
    Descritor(242, 1,
              {B, F(1003), F(10104), F(10146), F(10102), F(10243, "NSPIN:"), F(10242, "CHKSUM:"),
               F(10244, "FABPIN:"), F(10149, "CSEG:"), F(10544, "TOKEN:"), T3});

} // namespace Saquecartaomagnetico
