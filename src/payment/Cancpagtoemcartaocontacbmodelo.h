// Cancellation of a bill paid with a card on the correspondent's account (debit or credit to the account):
// the card cancellation with the account type the payment moved and the customer's PIN, the card read by the
// cancellation menu.
#pragma once

#include "basekit.h"
#include "payment/Canccartaolumo.h"

class QComboBox;

namespace Cancpagtoemcartaocontacbmodelo {

extern const TTabelaTrn TrnCancPagtoCartaoContaCB;

} // namespace Cancpagtoemcartaocontacbmodelo

class TFrmCancPagtoContaCB_Mod : public TFrmTrn_Crd {
    Q_OBJECT
public:
    // funcao: the card cancellation's function code (debit 50, credit 51); operacao: "1" the debit to the
    // account, "2" the credit (10102 occurrence 3).
    TFrmCancPagtoContaCB_Mod(QWidget* pai, const QString& nome, const char* titulo, const char* funcao,
                             const char* operacao);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbTipoConta = nullptr;
    QComboBox* cbTipoConta = nullptr;

private:
    const char* operacao_;
};

class TFrmPagtoDebitoContaCB_Cnc : public TFrmCancPagtoContaCB_Mod {
    Q_OBJECT
public:
    explicit TFrmPagtoDebitoContaCB_Cnc(QWidget* pai);
};

class TFrmPagtoCreditoContaCB_Cnc : public TFrmCancPagtoContaCB_Mod {
    Q_OBJECT
public:
    explicit TFrmPagtoCreditoContaCB_Cnc(QWidget* pai);
};

extern TFrmPagtoDebitoContaCB_Cnc* FrmPagtoDebitoContaCB_Cnc;
extern TFrmPagtoCreditoContaCB_Cnc* FrmPagtoCreditoContaCB_Cnc;
