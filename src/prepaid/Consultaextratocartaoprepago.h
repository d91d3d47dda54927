// Statement of a prepaid card: the period (start and end dates, locked when the host supplies them), then the
// card and the PIN, the query and the chip's second step.
#pragma once

#include "frame/Coletavalortrn.h"

class QLabel;
class QLineEdit;

class TFrmCnsExtratoCrtPrePago : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmCnsExtratoCrtPrePago(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    // The period, then the card and the PIN: false when a write failed or the customer gave up on the PIN
    // pad (a card that could not be read also ends the dialog).
    bool GravaCamposHostlink() override;

    QLabel* lbDataInicial = nullptr;
    QLineEdit* edDataInicial = nullptr;
    QLabel* lbDataFinal = nullptr;
    QLineEdit* edDataFinal = nullptr;

protected:
    // The chip's data, the query and its second step; the result file ends the call.
    bool ConcluiConfirmacao() override;
    void FormActivate() override;

private:
    bool DataValida(QLineEdit* edit) const;
};

extern TFrmCnsExtratoCrtPrePago* FrmCnsExtratoCrtPrePago;
