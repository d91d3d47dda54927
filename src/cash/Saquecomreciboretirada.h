// Withdrawal with a withdrawal receipt and the customer's account: the request it sends and its form.
#pragma once

#include "basekit.h"
#include "frame/Coletatipoconta.h"

namespace Saquecomreciboretirada {

extern const TTabelaTrn TrnSaqueReciboRetirada;

} // namespace Saquecomreciboretirada

class TFrmSaque_ReciboRetirada : public TFrmTrnDadosCta_Grp3 {
    Q_OBJECT
public:
    explicit TFrmSaque_ReciboRetirada(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* lbNumRecibo = nullptr;
    QLineEdit* edNumRecibo = nullptr;
};

extern TFrmSaque_ReciboRetirada* FrmSaque_ReciboRetirada;
