// Holder identification queries of the prepaid card: the bank answers with the holder's card and name
// (h-record 40), which the operator then confirms with the customer.
#pragma once

#include "prepaid/Transacaocartaoprepago.h"

// For a deposit or a transfer: the holder by the card number or the mobile number typed.
class TFrmConsIdCliCartaoPrePago : public TFrmTrnCartaoPrePago_Mod {
    Q_OBJECT
public:
    explicit TFrmConsIdCliCartaoPrePago(QWidget* pai);

    bool GravaCamposHostlink() override;

protected:
    TFrmConsIdCliCartaoPrePago(QWidget* pai, const QString& nome, const char* titulo,
                               const TTabelaTrn* descritor);
    bool TrataResposta(bool aprovada) override;
};

// For a withdrawal by mobile number: the holder whose card the PIN and the phone code will be checked
// against.
class TFrmCnsIdCliSaque : public TFrmConsIdCliCartaoPrePago {
    Q_OBJECT
public:
    explicit TFrmCnsIdCliSaque(QWidget* pai);

    bool GravaCamposHostlink() override;
};
