// The social-security payment form: payment code, competência, taxpayer identifier, the INSS value and that
// of the other entities.
#pragma once

#include "government/Pagtogrupo4trnvljuros.h"

class TFrmPgtGrupo4_GPS : public TFrmPgtGrupo4_TrnVlJuros {
    Q_OBJECT
public:
    TFrmPgtGrupo4_GPS(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbCodigoPagamento = nullptr;
    QLineEdit* edCodigoPagamento = nullptr;
    QLabel* lbCompetencia = nullptr;
    QLineEdit* edCompetencia = nullptr;
    QLabel* lbIdentificador = nullptr;
    QLineEdit* edIdentificador = nullptr;
    QLabel* lbValorINSS = nullptr;
    QLineEdit* edValorINSS = nullptr;
    QLabel* lbValorOutrasEntidades = nullptr;
    QLineEdit* edValorOutrasEntidades = nullptr;
};
