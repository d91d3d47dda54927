// INSS benefit query by the worker's identification number (NIT).
#pragma once

#include "queries/Consultabeneficioinss.h"

class TFrmCnsBnINSSNIT : public TFrmCnsBnINSS_Trn {
    Q_OBJECT
public:
    explicit TFrmCnsBnINSSNIT(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbNIT = nullptr;
    QLineEdit* EdNIT = nullptr;
};

extern TFrmCnsBnINSSNIT* FrmCnsBnINSSNIT;
