// Loan simulation: the amount, the credit limit it draws on, the first due date and the instalment counts of
// up to three simulations, checked against the limit the query returned before the request goes.
#pragma once

#include "frame/Trnmodeloemprestimo.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
namespace Partes {
class ListaTeclado;
}

namespace Simulaemprestimo {

// What a credit limit allows: the amount available, the smallest instalment, the window of the first due
// date and, for the payroll loan, the longest term (0: no bound).
struct Limite {
    long long disponivel = 0;
    long long parcelaMinima = 0;
    QDate primeiroVencimento, ultimoVencimento;
    int maximoParcelas = 0;
};

enum class Campo { Valor, Limite, Vencimento, S1, S2, S3 };
struct Falha {
    Campo campo;
    QString mensagem;
};

// The prompt and the error of simulation n (1 to 3): "Forneça o número de parcelas para 1ª simulação".
QString MensagemParcelas(int n);

// The first check that fails, in the order the operator is told: amount, limit, amount within the limit,
// due date (DDMMYYYY digits) within the window, then each count (S1 required, at least 1, an instalment not
// below the minimum, no count repeated); nothing when all pass.
std::optional<Falha> Valida(long long valor, const std::optional<Limite>& limite, const QString& vencimento,
                            const std::array<QString, 3>& parcelas);

// The limit of entry i of the loan query record; nothing when there is no such entry.
std::optional<Limite> LimiteDaConsulta(int i);

} // namespace Simulaemprestimo

// The capture both simulations share; the pre-approved one adds the limit list.
class TFrmSimEmprest_Mod : public TFrmTrnEmpr_Mod {
    Q_OBJECT
public:
    TFrmSimEmprest_Mod(QWidget* pai, const QString& nome, bool comLimite);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* lbCodigoLimite = nullptr;
    Partes::ListaTeclado* cbCodigoLimite = nullptr;
    QLabel* lbVencimento = nullptr;
    QLineEdit* edVencimento = nullptr;
    std::array<QLabel*, 3> lbNumParc{};
    std::array<QLineEdit*, 3> edNumParc{};

protected:
    QList<QWidget*> Campos() const override;
    // The limit the amount, date and counts are checked against.
    virtual std::optional<Simulaemprestimo::Limite> LimiteSelecionado() const = 0;
    virtual QString CodigoOperacao() const = 0;
};

class TFrmSimEmprest : public TFrmSimEmprest_Mod {
    Q_OBJECT
public:
    explicit TFrmSimEmprest(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

protected:
    std::optional<Simulaemprestimo::Limite> LimiteSelecionado() const override;
    QString CodigoOperacao() const override { return QStringLiteral("40"); }
};

extern TFrmSimEmprest* FrmSimEmprest;
