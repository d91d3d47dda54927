#include "payment/Consultacodigobarras.h"

#include "protocol/Tabelatrn.h"

namespace Consultacodigobarras {

using namespace Tabelatrn::Notacao;

constinit std::array<char, 64> NUMERO_DOCUMENTO{};

constinit TTabelaTrn TrnConsultaCodigoBarras =
    Descritor(242, 0, {A, F(1040), K(NUMERO_DOCUMENTO).fmt(4), F(10439, "BOLREG:")});

} // namespace Consultacodigobarras
