// Cancellation of a withdrawal made with a withdrawal receipt: the NSU, the value and the receipt's number.
#pragma once

#include "cash/Cancelamentogrupo3.h"

class TFrmCancSaque_RecRet : public TFrmCancGrupo3_Trn {
    Q_OBJECT
public:
    explicit TFrmCancSaque_RecRet(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbNumRecibo = nullptr;
    QLineEdit* edNumRecibo = nullptr;
};

extern TFrmCancSaque_RecRet* FrmCancSaque_RecRet;
