// What every settlement of accepted bills writes, whichever the payment method: the function and method
// codes, the number of documents and the per-document block of the request, and the additional values of a
// network payment.
#pragma once

#include "basekit.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"

#include <QString>

namespace Liquidacao {

using host::Grava;

// Function code (10158), number of documents in 10102 and in the descriptor's per-document block, and the
// payment-method code of 1112 when given. False at the first failed write.
bool GravaCamposLiquidacao(Tabelatrn::Ajustes& ajustes, const char* funcao, const char* forma);

// A network bill payment: field 10404 "1" and network "005" in 10112.
bool PagamentoRede();
// Field 10404 "1" alone: the payment came through the network menu.
bool MarcadoRede();

// The additional values of a network payment; a bill without them drops the entry before "VLRADD:".
void TrataValoresAdicionaisRede(Tabelatrn::Ajustes& ajustes);

// Copies text into a module variable that a descriptor sends (Latin-1, cut to fit, NUL-terminated).
void CopiaTexto(char* destino, std::size_t capacidade, const QString& texto);

} // namespace Liquidacao
