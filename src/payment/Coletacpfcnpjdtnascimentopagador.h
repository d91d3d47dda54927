// The payer's CPF/CNPJ and birth date of a registered boleto, asked above the BACEN reference value.
#pragma once

#include "frame/Coletavalortrn.h"

class QComboBox;
class QLabel;
class QLineEdit;

class TFrmCPFCNPJDtNascPagador : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmCPFCNPJDtNascPagador(QWidget* pai);

    bool GravaCamposHostlink() override;
    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;
    // A birth date as typed: 8 digits, a real date, not after today, not before 1900.
    static bool ValidaData(const QString& data);

    QLabel* lbTipoPessoa = nullptr;
    QComboBox* cbTipoPessoa = nullptr;
    QLabel* lbCPFCGC = nullptr;
    QLineEdit* edCPFCGC = nullptr;
    QLabel* lbDataNascimento = nullptr;
    QLineEdit* edDataNascimento = nullptr;

private:
    static Partes::Grade GradePagador();
};
