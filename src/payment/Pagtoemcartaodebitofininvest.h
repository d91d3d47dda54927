// Fininvest payment with a debit card (plain and forced debit): the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtoemcartaodebito.h"

namespace Pagtoemcartaodebitofininvest {

extern const TTabelaTrn TrnPagamentoDebitoFin;
extern const TTabelaTrn TrnPagamentoDebitoForcadoFin;

} // namespace Pagtoemcartaodebitofininvest

// The card invoice paid with a debit card: the bill's debit dialog with the invoice's requests.
class TFrmPgt_DebFin : public TFrmPgt_Deb {
    Q_OBJECT
public:
    explicit TFrmPgt_DebFin(QWidget* pai);

    void IniciaCamposForm() override;
    void AjustaTabelaDebitoForcado() override;
};

extern TFrmPgt_DebFin* FrmPgt_DebFin;
