// Fininvest payment in cash: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtoemdinheiro.h"

namespace Pagtoemdinheirofininvest {

extern const TTabelaTrn TrnPagamentoDinheiroFin;

} // namespace Pagtoemdinheirofininvest

// The card invoice paid in cash: the bill's cash dialog with the invoice's request.
class TFrmPgt_DinFin : public TFrmPgt_Din {
    Q_OBJECT
public:
    explicit TFrmPgt_DinFin(QWidget* pai);

    void IniciaCamposForm() override;
};

extern TFrmPgt_DinFin* FrmPgt_DinFin;
