// Query of a captured bar code: the requests it sends.
#pragma once

#include "basekit.h"

#include <array>

namespace Consultacodigobarras {

// Module variables whose current text the descriptors send (NUL-terminated).
// The document as captured: a bar code or typed line (at most 48 digits).
extern std::array<char, 64> NUMERO_DOCUMENTO;

extern TTabelaTrn TrnConsultaCodigoBarras;

} // namespace Consultacodigobarras
