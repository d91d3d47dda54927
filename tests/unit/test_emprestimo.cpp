// Loans: the simulation's checks in the order the operator is told, and the price-table instalment the
// simulated bank quotes.
#include "Servidor.h"
#include "loans/Simulaemprestimo.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace {

using Simulaemprestimo::Campo;

struct CasoSimulacao {
    long long valor;
    bool comLimite;
    int diasVencimento; // from today; the limit's window is 10 to 40 days
    std::array<const char*, 3> parcelas;
    std::optional<Campo> campo; // the field the failure points to; none: passes
    const char* mensagem;
};

TEST(Emprestimo, SimulacaoValidadaNaOrdem) {
    const QDate hoje = QDate::currentDate();
    const Simulaemprestimo::Limite limite{500000, 5000, hoje.addDays(10), hoje.addDays(40), 0};
    // In the order the checks run: value, limit, due date (its window's edges), the three instalment counts.
    const CasoSimulacao casos[] = {
        {0, true, 10, {"12", "", ""}, Campo::Valor, "Forneça o valor do Empréstimo"},
        {100, false, 10, {"12", "", ""}, Campo::Limite, "Selecione o Código do Limite"},
        {500001, true, 10, {"12", "", ""}, Campo::Valor, "Valor acima do limite disponível"},
        {500000, true, 10, {"12", "", ""}, std::nullopt, ""},
        {500000, true, 40, {"12", "", ""}, std::nullopt, ""},
        {500000, true, 9, {"12", "", ""}, Campo::Vencimento, "Data inválida"},
        {500000, true, 41, {"12", "", ""}, Campo::Vencimento, "Data inválida"},
        {500000, true, 10, {"", "12", ""}, Campo::S1, "Forneça o número de parcelas para 1ª simulação"},
        {500000, true, 10, {"0", "", ""}, Campo::S1, "Número de Parcelas Inválido"},
        {500000, true, 10, {"101", "", ""}, Campo::S1, "Valor da parcela menor que o mínimo (50,00)"},
        {500000, true, 10, {"100", "", ""}, std::nullopt, ""},
        {500000, true, 10, {"12", "12", ""}, Campo::S2, "Forneça o número de parcelas para 2ª simulação"},
        {500000, true, 10, {"12", "", "12"}, Campo::S3, "Forneça o número de parcelas para 3ª simulação"},
        {500000, true, 10, {"12", "24", "24"}, Campo::S3, "Forneça o número de parcelas para 3ª simulação"},
        {500000, true, 10, {"12", "24", "36"}, std::nullopt, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(&c - casos);
        const auto falha =
            Simulaemprestimo::Valida(c.valor, c.comLimite ? std::optional(limite) : std::nullopt,
                                     hoje.addDays(c.diasVencimento).toString(QStringLiteral("ddMMyyyy")),
                                     {QString::fromUtf8(c.parcelas[0]), QString::fromUtf8(c.parcelas[1]),
                                      QString::fromUtf8(c.parcelas[2])});
        ASSERT_EQ(falha.has_value(), c.campo.has_value());
        if (!falha) continue;
        EXPECT_EQ(falha->campo, *c.campo);
        EXPECT_EQ(falha->mensagem, QString::fromUtf8(c.mensagem));
    }
}

TEST(Emprestimo, PrazoMaximoDoConsignado) {
    const QDate hoje = QDate::currentDate();
    const Simulaemprestimo::Limite proposta{800000, 3000, hoje, hoje.addDays(30), 72};
    const auto dia = hoje.toString(QStringLiteral("ddMMyyyy"));
    EXPECT_FALSE(Simulaemprestimo::Valida(300000, proposta, dia, {QStringLiteral("72"), {}, {}}));
    const auto falha = Simulaemprestimo::Valida(300000, proposta, dia, {QStringLiteral("73"), {}, {}});
    ASSERT_TRUE(falha);
    EXPECT_EQ(falha->campo, Campo::S1);
}

TEST(Emprestimo, ParcelaDaTabelaPrice) {
    struct Caso {
        long long valor;
        int taxa;
        long long parcelas, parcela;
    };
    const Caso casos[] = {
        {500000, 199, 12, 47251}, {500000, 199, 24, 26406}, {300000, 165, 24, 15239}, {100000, 0, 3, 33334},
        {100000, 100, 1, 101000}, {0, 199, 12, 0},          {100000, 199, 0, 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(cbserver::ParcelaEmprestimo(c.valor, c.taxa, c.parcelas), c.parcela)
            << c.valor << " " << c.taxa << " " << c.parcelas;
}

} // namespace
