// The free top-up value, typed within the branch's range (or the catalogue range chosen).
#pragma once

#include "topup/Capturacelular.h"

class QLabel;
class QLineEdit;

class TFrmValVarCel_Cap : public TFrmCapCel_Mod {
    Q_OBJECT
public:
    explicit TFrmValVarCel_Cap(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbMinimo = nullptr;
    QLabel* lbValorMinimo = nullptr;
    QLabel* lbMaximo = nullptr;
    QLabel* lbValorMaximo = nullptr;
    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;

protected:
    bool ConcluiConfirmacao() override;

private:
    // The bounds in cents: the catalogue range's (11 characters) or the plain range's (12).
    long long minimo_ = 0, maximo_ = 0;
};

extern TFrmValVarCel_Cap* FrmValVarCel_Cap;
