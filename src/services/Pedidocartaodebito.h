// Request for a second copy of a debit card: the operator chooses the reason, the customer presents the card
// to be replaced and types the PIN, and the bank registers the request.
#pragma once

#include "frame/Trnmodelolumo.h"

class QLabel;

class TFrmPedCrtDeb : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmPedCrtDeb(QWidget* pai);

    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    int VerificaAutorizaTransacao() override;
    void IniciaCamposForm() override;

    QLabel* lbMotivo = nullptr;
    Partes::ListaTeclado* cbMotivo = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;
};

extern TFrmPedCrtDeb* FrmPedCrtDeb;
