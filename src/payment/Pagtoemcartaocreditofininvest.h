// Fininvest payment with a credit card: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtoemcartaocredito.h"

namespace Pagtoemcartaocreditofininvest {

extern const TTabelaTrn TrnPagamentoCreditoFin;

} // namespace Pagtoemcartaocreditofininvest

// The card invoice paid with a credit card: one invoice per request.
class TFrmPgt_CrdFin : public TFrmPgt_Crd {
    Q_OBJECT
public:
    explicit TFrmPgt_CrdFin(QWidget* pai);

    void IniciaCamposForm() override;
};

extern TFrmPgt_CrdFin* FrmPgt_CrdFin;
