// Cancellation of a withdrawal made with a cheque: the cheque-data form with the NSU of the withdrawal below
// the cheque's fields.
#pragma once

#include "frame/Coletadadoschequetrn.h"

class TFrmCancSaque_Chq : public TFrmColetaDadosChq_Trn {
    Q_OBJECT
public:
    explicit TFrmCancSaque_Chq(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbNsuVorta = nullptr;
    QLineEdit* EdNsuVorta = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    // The NSU follows whichever way of entering the cheque is on screen, directly below it.
    void PosicionaNsu();
};

extern TFrmCancSaque_Chq* FrmCancSaque_Chq;
