#include "protocol/ServicosResposta.h"

namespace Lumomain {

Registro<39> ServicoHzinho_21_Informacoes_Gerais_CB;
Registro<46> ServicoHzinho_40_ConsultaCartaoPrePago;

} // namespace Lumomain
