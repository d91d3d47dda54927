// Bar-code and payment-data queries of a Fininvest bill: the requests it sends.
#pragma once

#include "basekit.h"

#include <array>

namespace Consultacodbarrasfininvest {

// Module variables whose current text the descriptors send (NUL-terminated).
// The document as captured: a bar code or typed line (at most 48 digits).
extern std::array<char, 64> NUMERO_DOCUMENTO;

extern const TTabelaTrn TrnConsultaCodigoBarras;
extern const TTabelaTrn TrnConsultaPagamento;

} // namespace Consultacodbarrasfininvest
