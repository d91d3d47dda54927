// DARF and GPS payments by cheque: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemchequegrupo4_trn {

extern TTabelaTrn TrnPagamentoChequeDarfPreto;
extern TTabelaTrn TrnPagamentoChequeDarfSimples;
extern TTabelaTrn TrnPagamentoChequeGPS;

} // namespace Pagtoemchequegrupo4_trn
