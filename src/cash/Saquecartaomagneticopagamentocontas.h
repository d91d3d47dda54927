// Withdrawal with a magnetic card whose cash pays the bills at the same till: opened by the payment-method
// menu once the card is read; the generic payment of the bills follows it.
#pragma once

#include "basekit.h"
#include "frame/Coletatipocontasaque.h"

namespace Saquecartaomagneticopagamentocontas {

extern const TTabelaTrn TrnSaqueCartaoMagPagtoCta;

} // namespace Saquecartaomagneticopagamentocontas

class TFrmSaquePagtoCta_CMag : public TFrmColetaTipoContaSaque {
    Q_OBJECT
public:
    explicit TFrmSaquePagtoCta_CMag(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmSaquePagtoCta_CMag* FrmSaquePagtoCta_CMag;
