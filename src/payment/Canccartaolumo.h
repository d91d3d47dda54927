// Base of the cancellation of a bill paid by card: the document cancellation with the card sale's receipt and
// date, the card read by the cancellation menu's BIN query.
#pragma once

#include "payment/Cancelamentotrnlumo.h"

class TFrmTrn_Crd : public TFrmCnc_Trn {
    Q_OBJECT
public:
    // modalidade: what 10102 occurrence 1 carries (empty: nothing).
    TFrmTrn_Crd(QWidget* pai, const QString& nome, const char* titulo, const TTabelaTrn& descritor,
                const char* funcao, std::function<QString()> modalidade);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbComprovante = nullptr;
    QLineEdit* edComprovante = nullptr;
    QLabel* lbDataTrn = nullptr;
    QLineEdit* edDataTrn = nullptr;

private:
    std::function<QString()> modalidade_;
};
