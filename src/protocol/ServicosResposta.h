// Module-wide records kept from the server's replies.
#pragma once

#include "protocol/Registro.h"

namespace Lumomain {

// h-record 21: general correspondent information (22-24 network code, 25-27 bank code, 28 data-collection
// flag).
extern Registro<39> ServicoHzinho_21_Informacoes_Gerais_CB;
// h-record 40: prepaid-card query (0-15 card, 16-45 owner's name).
extern Registro<46> ServicoHzinho_40_ConsultaCartaoPrePago;

} // namespace Lumomain
