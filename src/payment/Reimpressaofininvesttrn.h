// Reprint of a Fininvest payment receipt: the operator gives the date and the NSU of the payment, the bank
// sends its receipt again and the host prints it.
#pragma once

#include "frame/Trnmodelolumo.h"

class QLabel;
class QLineEdit;

class TFrmRFN_Trn : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmRFN_Trn(QWidget* pai);

    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    void IniciaCamposForm() override;

    // The confirm: validation, the request and the hand-over of the receipt.
    void ConfirmaReimpressao();

    QLabel* lbDataTrn = nullptr;
    QLineEdit* edDataTrn = nullptr;
    QLabel* lbNsuVorta = nullptr;
    QLineEdit* edNsuVorta = nullptr;
};

extern TFrmRFN_Trn* FrmRFN_Trn;
