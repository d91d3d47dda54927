// Fininvest payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtoemchequetrn.h"

namespace Pagtoemchequefininvest {

extern const TTabelaTrn TrnPagamentoChequeFin;

} // namespace Pagtoemchequefininvest

// The card invoice paid by cheque, on the cheque data of the bill payment's cheque dialogs.
class TFrmPgt_ChqFin : public TFrmPgtChq_Trn {
    Q_OBJECT
public:
    explicit TFrmPgt_ChqFin(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmPgt_ChqFin* FrmPgt_ChqFin;
