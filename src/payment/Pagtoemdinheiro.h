// Bill payment in cash: the amount tendered, the change, and the settlement request for every accepted
// document.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

namespace Pagtoemdinheiro {

extern const TTabelaTrn TrnPagamentoDinheiro;

} // namespace Pagtoemdinheiro

class TFrmPgt_Din : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmPgt_Din(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    // Leaving the tendered amount: filled with the value when empty, refused below it, the change above it.
    // False when the amount was refused.
    bool edVlrDinheiroExit();

    QLabel* lbVlrDinheiro = nullptr;
    QLineEdit* edVlrDinheiro = nullptr;
    QLabel* lbVlrTroco = nullptr;
    QLineEdit* edVlrTroco = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    // A refused amount brings a message box, whose closing would leave the edit once more.
    bool bVerificandoDinheiro = false;
};

extern TFrmPgt_Din* FrmPgt_Din;
