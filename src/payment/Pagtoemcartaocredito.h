// Bill payment with a credit card (plain and network): the settlement of every accepted document with the
// card read by the payment-method menu.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

namespace Pagtoemcartaocredito {

extern const TTabelaTrn TrnPagamentoCredito;
extern const TTabelaTrn TrnPagamentoCreditoRede;

} // namespace Pagtoemcartaocredito

class TFrmPgt_Crd : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmPgt_Crd(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmPgt_Crd* FrmPgt_Crd;
