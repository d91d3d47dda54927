#include "protocol/Cargaparametropagto.h"

#include "protocol/Tabelatrn.h"

namespace Cargaparametropagto {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnConsultaCargaParamentros = Descritor(242, 0, {A});

} // namespace Cargaparametropagto
