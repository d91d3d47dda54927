#include "queries/Consultadatasdemonstrativosdisponiveis.h"

#include "protocol/Tabelatrn.h"

namespace Consultadatasdemonstrativosdisponiveis {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Consultadatasdemonstrativosdisponiveis, TrnCnsDtDemDsp,
             Descritor(242, 0, {B, F(10290), F(10341)}));

} // namespace Consultadatasdemonstrativosdisponiveis
