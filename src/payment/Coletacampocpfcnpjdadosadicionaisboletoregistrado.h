// Identification of the parties of a registered boleto (beneficiary, drawer, payer) when the server cannot
// supply them: their CPF/CNPJ go to the registered-boleto table sent with the settlement.
#pragma once

// Runs the parties dialog; false when it was cancelled.
bool ColetaCPFCNPJBoletoRegistradoContingencia();
