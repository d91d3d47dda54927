// What the bill-payment dialogs share during one payment: the loop flags of the document capture, the copies
// of the server's answers to the bar-code query and to the payment-data query, and the registered-boleto
// flags.
#pragma once

#include "protocol/Registro.h"

namespace Contas {

// Status (field 1121) of a document the bill query accepted.
inline constexpr char STATUS_CONSULTA_OK[] = "Consulta pagamento OK";

// The documents are typed one by one in the capture dialog (false: the host supplied the list).
extern bool Digitado;
// Another document is to be captured after the current one.
extern bool ProximoDocumento;
// The current document was accepted by the bill-query dialog.
extern bool ConsultaPagtoOK;

// Reply service A present when the capture first opens (positions 5-6: the most documents in one payment).
extern Registro<41> ServACPP;
// Reply service A of the bar-code query: value, due date, the mode digits and the registered-boleto flags.
extern Registro<37> ServACB;
// Reply service A of the payment-data query: amount (4-15), payment forms (16-19), account-card options
// (60-61).
extern Registro<78> ServACP;
// The network variant's reply service A, spread over the three records above.
extern Registro<40> ServicoACB_ACP_Rede;

// Registered-boleto flags of the current document, one digit each (0 when the reply had none).
extern int iTrataValorMulta;
extern int iTrataValorJurosMora;
extern int iTrataBeneficiario;
extern int iTrataSacadorAvalista;
extern int iTrataPagador;
// 0: the registered-boleto summary is still to be shown; -1 once shown.
extern int iTrataFluxoApresInfoBolReg;

// Back to the state of a payment that has not started.
void Limpa();

} // namespace Contas
