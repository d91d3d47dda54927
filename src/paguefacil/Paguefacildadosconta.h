// Pague Fácil debit from a typed bank account: the account form of group 3 with the values the bank offers,
// the amount and the fee (TFrmTrnDadosCta_Grp6), and the payment it sends (TFrmPagueFacil_DConta).
#pragma once

#include "frame/Coletatipoconta.h"

class QLabel;
class QLineEdit;

class TFrmTrnDadosCta_Grp6 : public TFrmTrnDadosCta_Grp3 {
    Q_OBJECT
public:
    TFrmTrnDadosCta_Grp6(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

    QLabel* lbValorOperacao = nullptr;
    Partes::ListaTeclado* cbValorOperacao = nullptr;
    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* lbValorTarifa = nullptr;
    QLineEdit* edValorTarifa = nullptr;
};

class TFrmPagueFacil_DConta : public TFrmTrnDadosCta_Grp6 {
    Q_OBJECT
public:
    explicit TFrmPagueFacil_DConta(QWidget* pai);

    void IniciaCamposForm() override;
};

extern TFrmPagueFacil_DConta* FrmPagueFacil_DConta;
