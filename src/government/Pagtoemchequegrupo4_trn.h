// DARF and GPS payments by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemchequegrupo4_trn {

extern const TTabelaTrn TrnPagamentoChequeDarfPreto;
extern const TTabelaTrn TrnPagamentoChequeDarfSimples;
extern const TTabelaTrn TrnPagamentoChequeGPS;

} // namespace Pagtoemchequegrupo4_trn
