// INSS benefit query by the benefit number (NB) and its check digit.
#pragma once

#include "queries/Consultabeneficioinss.h"

class TFrmCnsBnINSSNB : public TFrmCnsBnINSS_Trn {
    Q_OBJECT
public:
    explicit TFrmCnsBnINSSNB(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbNB = nullptr;
    QLineEdit* EdNB = nullptr;
    QLineEdit* EdDigito = nullptr;
};

extern TFrmCnsBnINSSNB* FrmCnsBnINSSNB;
