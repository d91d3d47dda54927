// The withdrawal and deposit cancellations stand on the NSU cancellation of the frame; what only they share
// is the withdrawal kind's data buffer.
#pragma once

#include "frame/Cancelamentogrupo3trn.h"

#include <QString>

namespace Cancelamentogrupo3 {

// Copies text into the withdrawal cancellations' kind buffer (acDadosConta_Recibo), cut to its size.
void DefineDadosContaRecibo(const QString& texto);

} // namespace Cancelamentogrupo3
