// Bill payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtoemchequetrn.h"

namespace Pagtoemcheque {

extern const TTabelaTrn TrnPagamentoCheque;

} // namespace Pagtoemcheque

// Settlement by cheque of every accepted document: the cheque query of its base, then the payment.
class TFrmPgt_Chq : public TFrmPgtChq_Trn {
    Q_OBJECT
public:
    explicit TFrmPgt_Chq(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmPgt_Chq* FrmPgt_Chq;
