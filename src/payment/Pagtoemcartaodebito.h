// Bill payment with a debit card (plain, forced debit and network): the settlement of every accepted document
// with the card read by the payment-method menu.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

namespace Pagtoemcartaodebito {

extern const TTabelaTrn TrnPagamentoDebito;
extern const TTabelaTrn TrnPagamentoDebitoForcado;
extern const TTabelaTrn TrnPagamentoDebitoRede;

} // namespace Pagtoemcartaodebito

class TFrmPgt_Deb : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmPgt_Deb(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
    // The bank asked to confirm a due date: the request becomes the forced debit.
    void AjustaTabelaDebitoForcado() override;
};

extern TFrmPgt_Deb* FrmPgt_Deb;
