// Account queries: the statement's date and type rules and the two-way menus' offer (pure), and the simulated
// bank's balance, statement and INSS benefit answers (the dialogs are the operator scripts' consulta_*).
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"
#include "queries/Consultaconta.h"
#include "queries/Menumagneticodadosconta.h"

#include <gtest/gtest.h>

#include <QDate>

#include <map>
#include <string>

namespace {

using cbserver::Latin1;

TEST(Consultas, DataDoExtratoSegueARegraEHoje) {
    const QDate hoje(2026, 3, 10);
    struct Caso {
        const char* texto;
        char regra;
        bool aceita;
    };
    const Caso casos[] = {
        {"//", '1', false},         {"//", '2', true},          {"00/00/0000", '2', true},
        {"10/03/2026", '1', true},  {"10/03/2026", '2', true},  {"11/03/2026", '1', false},
        {"11/03/2026", '2', false}, {"31/02/2026", '1', false}, {"01/03/20", '2', false},
        {"01/01/1999", '1', true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.texto) + " " + c.regra);
        EXPECT_EQ(Consultaconta::DataAceita(QString::fromLatin1(c.texto), QLatin1Char(c.regra), hoje),
                  c.aceita);
    }
}

TEST(Consultas, TiposDeExtratoPelosBitsECodigoPeloTexto) {
    EXPECT_EQ(Consultaconta::TiposExtrato(5),
              QStringList({QStringLiteral("Período"), QStringLiteral("Extratos de 5 dias")}));
    EXPECT_EQ(Consultaconta::CodigoTipoExtrato(QStringLiteral("Extratos de 5 dias")), QStringLiteral("3"));
    EXPECT_EQ(Consultaconta::CodigoTipoExtrato(QStringLiteral("Outro")), QString());
    EXPECT_EQ(Consultaconta::TiposAceitos(QStringLiteral("01001")),
              QStringList({QStringLiteral("Conta Poupança"), QStringLiteral("Conta Empresa")}));
}

TEST(Consultas, MenuDeDuasViasPeloModoOuPelaColeta) {
    using Menumagneticodadosconta::OpcaoHabilitada;
    // {modo, card offered, account offered} with a transaction-mode record; -1: its text is no number.
    const int modos[][3] = {{1, 0, 1}, {2, 1, 0}, {3, 1, 1}, {0, 0, 0}, {-1, 1, 1}};
    for (const auto& m : modos) {
        EXPECT_EQ(OpcaoHabilitada(1, true, m[0], false, false), m[1] == 1) << m[0];
        EXPECT_EQ(OpcaoHabilitada(2, true, m[0], false, false), m[2] == 1) << m[0];
    }
    EXPECT_TRUE(OpcaoHabilitada(1, false, 0, true, false));
    EXPECT_FALSE(OpcaoHabilitada(2, false, 3, true, false));
}

constexpr char kCenario[] = R"({
  "cartoes": [{"numero": "5067220000123458", "validade": "2912", "conta": "0001 0123456-7"},
              {"numero": "6362970000001234560", "validade": "3112", "conta": "0002 0011223-3"}],
  "saques": {"contas": [{"conta": "0001 0123456-7", "tipos": ["01"], "saldo": "100000", "titular": "MARIA",
                         "lancamentos": [{"data": "03112025", "descricao": "SALARIO", "valor": "250000"}]},
                        {"conta": "0002 0011223-3", "tipos": ["03"], "saldo": "5000"}]},
  "beneficiosINSS": [{"cartao": "6362970000001234560", "nb": "0000123456", "nit": "00000000123", "titular": "ANA"}]
})";

class BancoConsultas : public ::testing::Test {
protected:
    void SetUp() override {
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenarioJson(QByteArray(kCenario), QString(), &erro))
            << erro.toStdString();
    }
    cbwire::Resposta Pede(const std::string& op, const std::map<uint16_t, std::string>& campos) {
        cbwire::Pedido p;
        p.codigo = 242;
        p.itens = {Item(10103, "3"), Item(10158, op)};
        for (const auto& [campo, valor] : campos)
            p.itens.push_back(Item(campo, valor));
        return Responde(servidor_, p);
    }
    cbserver::Servidor servidor_;
};

const std::string kTrilha = "5067220000123458=2912101";

TEST_F(BancoConsultas, ExtratoListaOsMovimentosDaExecucaoMenosOsCancelados) {
    const std::string hoje = Latin1(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")));
    const std::map<uint16_t, std::string> extrato{{10290, kTrilha}, {10146, "AB"}, {10163, "3"}};
    ASSERT_EQ(
        Pede("18", {{1003, "20000"}, {10104, kTrilha}, {10146, "AB"}, {10102, "01"}, {10149, "0"}}).codigo,
        "00");
    auto r = Pede("13", extrato);
    ASSERT_EQ(r.codigo, "00");
    const auto& linhas = r.servicos.at(0).second;
    EXPECT_NE(std::find(linhas.begin(), linhas.end(),
                        hoje.substr(0, 2) + "/" + hoje.substr(2, 2) + " SAQUE CARTAO -R$ 200,00"),
              linhas.end());
    EXPECT_EQ(linhas.at(linhas.size() - 2), "SALDO DISPONIVEL: R$ 800,00");
    // The withdrawal cancelled (NSU 1): gone from the statement, its value back in the balance; the
    // scenario's November entry lies outside the five days.
    ASSERT_EQ(Pede("21", {{1003, "20000"}, {10212, "03"}, {10102, "1"}}).codigo, "00");
    r = Pede("13", extrato);
    EXPECT_EQ(r.servicos.at(0).second.at(5), "SEM LANCAMENTOS NO PERIODO");
    EXPECT_EQ(Pede("14", {{10290, kTrilha}, {10146, "AB"}}).mensagem,
              Latin1("Saldo disponível: R$ 1.000,00"));
}

TEST_F(BancoConsultas, RecusasDasConsultas) {
    const std::string amanha = Latin1(QDate::currentDate().addDays(1).toString(QStringLiteral("ddMMyyyy")));
    struct Caso {
        const char* op;
        std::map<uint16_t, std::string> campos;
        const char* codigo;
    };
    const Caso casos[] = {
        {"14", {{10290, "4111111111111111=2912"}, {10146, "AB"}}, "14"},
        {"14", {{10290, kTrilha}}, "55"},
        {"14", {{10290, kTrilha}, {10146, "AB"}, {10102, "02"}}, "12"},
        {"14", {{10134, "2"}, {10290, "23700019000000099999907"}, {10146, "AB"}}, "14"},
        {"14", {{10134, "2"}, {10290, "2370001 000000012345607"}, {10146, "AB"}}, "00"},
        {"13", {{10290, kTrilha}, {10146, "AB"}, {10163, "1"}, {1283, "01112025"}, {1284, amanha}}, "12"},
        {"13", {{10290, kTrilha}, {10146, "AB"}, {10163, "1"}, {1283, "01112025"}}, "00"},
        {"11", {{10167, "1"}, {10290, "123456"}}, "12"},
        {"11", {{10167, "1"}, {10290, "0000999996"}}, "25"},
        {"11", {{10167, "2"}, {10290, "00000000123"}}, "00"},
        {"11", {{10167, "3"}, {10290, "2370002 000000001122303"}}, "00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.op) + " " + c.codigo);
        EXPECT_EQ(Pede(c.op, c.campos).codigo, c.codigo);
    }
}

} // namespace
