// Balance and statement of a prepaid card: the simulated bank's answers to operations 12 and 13 of group 7
// (the dialogs are the operator scripts' prepago_saldo and prepago_extrato).
#include "Ambiente.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"

#include <QDate>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// ------------------------------------------------------------------------------------------------ the bank

constexpr char kChip[] = "6058001234567890";
constexpr char kTarja[] = "6058009876543210";
constexpr char kDebito[] = "5067220000123458";

class ServidorPrePago : public ::testing::Test {
protected:
    void SetUp() override { AbreCenario(servidor_, "cartao_prepago_consultas.json"); }
    // A request as the dialogs send it: group 7, the operation, the card's track and its PIN block.
    cbwire::Resposta Pede(const char* operacao, const std::string& cartao, const std::string& inicio = {},
                          const std::string& fim = {}, const char* grupo = "7",
                          const char* bloco = "A1B2C3D4") {
        cbwire::Pedido p;
        p.codigo = 242;
        p.itens = {Item(0, ""),
                   Item(10171, ""),
                   Item(10103, grupo),
                   Item(10158, operacao),
                   Item(10104, cartao + "=3012101"),
                   Item(10146, bloco),
                   Item(1283, inicio),
                   Item(1284, fim)};
        return Responde(servidor_, p);
    }
    static std::vector<std::string> Recibo(const cbwire::Resposta& r) {
        for (const auto& [letra, linhas] : r.servicos)
            if (letra == 'I') return linhas;
        return {};
    }
    static bool Tem(const std::vector<std::string>& linhas, const std::string& linha) {
        return std::find(linhas.begin(), linhas.end(), linha) != linhas.end();
    }
    cbserver::Servidor servidor_;
};

TEST_F(ServidorPrePago, SaldoDoCartaoNoTextoENoReciboComONumeroMascarado) {
    const auto r = Pede("12", kChip);
    EXPECT_EQ(r.codigo, "00");
    EXPECT_EQ(r.mensagem, Latin1("Saldo disponível: R$ 258,90"));
    const auto recibo = Recibo(r);
    ASSERT_GE(recibo.size(), 2u);
    EXPECT_TRUE(Tem(recibo, "CARTAO: ************7890"));
    EXPECT_TRUE(Tem(recibo, "SALDO DISPONIVEL: R$ 258,90"));
    EXPECT_EQ(recibo.back().rfind("NSU: ", 0), 0u);
    for (const auto& l : recibo)
        EXPECT_EQ(l.find(kChip), std::string::npos) << "whole card number on the receipt";
    // Every approval takes the next sequence number.
    EXPECT_NE(Recibo(Pede("12", kTarja)).back(), recibo.back());
}

TEST_F(ServidorPrePago, CartaoDesconhecidoSemSenhaOuForaDoGrupoRecusados) {
    EXPECT_EQ(Pede("12", kDebito).codigo, "14");
    EXPECT_EQ(Pede("13", "6058000000000000", "01112025", "30112025").codigo, "14");
    EXPECT_EQ(Pede("12", kChip, {}, {}, "7", "").codigo, "55");
    EXPECT_EQ(Pede("13", kChip, "01112025", "30112025", "7", "").codigo, "55");
    // Operation 12 of another group is not the prepaid balance.
    EXPECT_EQ(Pede("12", kChip, {}, {}, "1").codigo, "57");
    // A scenario without the prepaid accounts still loads; the query says what is missing.
    ASSERT_TRUE(servidor_.CarregaCenarioJson(
        R"({"cartoes": [{"numero": "6058001234567890", "validade": "3012"}]})", QStringLiteral(".")));
    const auto r = Pede("12", kChip);
    EXPECT_EQ(r.codigo, "57");
    EXPECT_NE(r.mensagem.find(Latin1("pré-pago")), std::string::npos);
}

TEST_F(ServidorPrePago, ExtratoListaOsLancamentosDoPeriodo) {
    const auto r = Pede("13", kChip, "01112025", "20112025");
    EXPECT_EQ(r.codigo, "00");
    const auto recibo = Recibo(r);
    EXPECT_TRUE(Tem(recibo, "PERIODO: 01/11/2025 A 20/11/2025"));
    EXPECT_TRUE(Tem(recibo, "03/11 CARGA R$ 500,00"));
    EXPECT_TRUE(Tem(recibo, "10/11 SAQUE -R$ 200,00"));
    // Outside the period.
    EXPECT_FALSE(Tem(recibo, "21/11 COMPRA MERCADO -R$ 41,10"));
    EXPECT_TRUE(Tem(recibo, "SALDO DISPONIVEL: R$ 258,90"));
    // Both ends belong to the period.
    EXPECT_TRUE(Tem(Recibo(Pede("13", kChip, "21112025", "05122025")), "05/12 TARIFA -R$ 15,00"));
    EXPECT_TRUE(Tem(Recibo(Pede("13", kTarja, "01112025", "30112025")), "SEM LANCAMENTOS NO PERIODO"));
}

TEST_F(ServidorPrePago, ExtratoComPeriodoInvalidoRecusado) {
    const std::string amanha =
        QDate::currentDate().addDays(1).toString(QStringLiteral("ddMMyyyy")).toStdString();
    const std::string hoje = QDate::currentDate().toString(QStringLiteral("ddMMyyyy")).toStdString();
    for (const auto& [inicio, fim] :
         std::vector<std::pair<std::string, std::string>>{{"30112025", "01112025"}, // start after end
                                                          {"31022025", "10032025"}, // no such day
                                                          {"011125", "301125"},     // short
                                                          {"", "30112025"},
                                                          {"01012025", "01042025"}, // 90 days
                                                          {hoje, amanha}}) {
        const auto r = Pede("13", kChip, inicio, fim);
        EXPECT_EQ(r.codigo, "12") << inicio << " " << fim;
        EXPECT_TRUE(Recibo(r).empty());
    }
    EXPECT_EQ(Pede("13", kChip, "01012025", "31032025").codigo, "00") << "89 days";
}

} // namespace
