// Cheque query that precedes a bill payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "frame/Coletadadoschequetrn.h"

namespace Pagtoemchequetrn {

extern const TTabelaTrn TrnPagamentoConsultaCheque;

} // namespace Pagtoemchequetrn

// Cheque settlement base: the cheque query that precedes the payment.
class TFrmPgtChq_Trn : public TFrmColetaDadosChq_Trn {
    Q_OBJECT
public:
    TFrmPgtChq_Trn(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
    // Sends the cheque query; when the form's request is another one (the payment), that request follows
    // once the bank has accepted the cheque. The result is the last reply's code.
    int VerificaAutorizaTransacao() override;
};
