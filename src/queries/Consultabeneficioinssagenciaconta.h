// INSS benefit query by the bank account the benefit is paid into, typed or pre-filled by the host.
#pragma once

#include "queries/Consultabeneficioinss.h"

class TFrmCnsBnINSSAgCt : public TFrmCnsBnINSS_Trn {
    Q_OBJECT
public:
    explicit TFrmCnsBnINSSAgCt(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbBanco = nullptr;
    QLineEdit* EdBanco = nullptr;
    QLabel* lbAgencia = nullptr;
    QLineEdit* EdAgencia = nullptr;
    QLabel* lbC1 = nullptr;
    QLineEdit* EdC1 = nullptr;
    QLabel* lbConta = nullptr;
    QLineEdit* EdConta = nullptr;
    QLineEdit* EdDigito = nullptr;
};

extern TFrmCnsBnINSSAgCt* FrmCnsBnINSSAgCt;
