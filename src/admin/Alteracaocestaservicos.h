// Change of the customer's service basket: the customer presents the card and types the PIN, the bank says
// which basket the customer has, the operator confirms the change and chooses the new basket, and the change
// is sent.
#pragma once

#include "frame/Trnmodelolumo.h"

class QLabel;

class TFrmAltCstSrv : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmAltCstSrv(QWidget* pai);

    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    void IniciaCamposForm() override;

    QLabel* lbInstrucao = nullptr;

protected:
    void FormActivate() override;
    void hideEvent(QHideEvent* e) override;
};

extern TFrmAltCstSrv* FrmAltCstSrv;
