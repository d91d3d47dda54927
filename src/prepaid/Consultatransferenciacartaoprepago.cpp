#include "prepaid/Consultatransferenciacartaoprepago.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Consultatransferenciacartaoprepago {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnConsultaDadosTransf =
    Descritor(242, 0,
              {B, F(1003), F(10340), F(10348), F(10102), F(10104), F(10146), F(10243, "NSPIN:"),
               F(10149, "CSEG:"), F(10544, "TOKEN:"), F(10176).sep(255)});

} // namespace Consultatransferenciacartaoprepago

// Until the destination dialog comes, a transfer is not enabled.
bool Lumomain::VerificaIdentificacaoClienteTransferenciaCartaoPrePago() {
    host::EnviaArquivoErroPDV(255, msg::Texto(msg::MsgTransacaoNaoHabilitada));
    return false;
}
