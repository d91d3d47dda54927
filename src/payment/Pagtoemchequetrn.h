// Cheque query that precedes a bill payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Coletadadoschequetrn.h"

namespace Pagtoemchequetrn {

extern TTabelaTrn TrnPagamentoConsultaCheque;

} // namespace Pagtoemchequetrn

// Cheque settlement base: the cheque query that precedes the payment.
class TFrmPgtChq_Trn : public TFrmColetaDadosChq_Trn {
    Q_OBJECT
public:
    TFrmPgtChq_Trn(QWidget* pai, const QString& nome);
};
