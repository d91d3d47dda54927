#include "prepaid/Saquepagamentodiversosgrupo7_cartaoprepagolumo.h"

#include "protocol/Tabelatrn.h"

namespace Saquepagamentodiversosgrupo7_cartaoprepagolumo {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnSaqueCartaoPrePago =
    Descritor(242, 1, {A, F(1003).fmt(4), F(10134), F(10104), F(10146), F(10243, "NSPIN:")});

} // namespace Saquepagamentodiversosgrupo7_cartaoprepagolumo
