// The simulated bank's cards: how a scenario lists them, the security-token query and the chip's offline
// advice, answered from request frames as the module sends them.
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace {

using cbserver::Servidor;

bool Carrega(Servidor& s, const char* json, QString* erro = nullptr) {
    return s.CarregaCenarioJson(QByteArray(json), QStringLiteral("."), erro);
}

constexpr const char* kCenario = R"({"cartoes": [
    {"descricao": "com token", "numero": "5067220000678907", "validade": "3006", "tipo": "chip", "token": true},
    {"descricao": "sem token", "numero": "5067220000123458", "validade": "2912", "rede": "811"}]})";

TEST(ServidorCartoes, CenarioListaOsCartoesComPadroesPorTipo) {
    Servidor s;
    ASSERT_TRUE(Carrega(s, kCenario));
    const auto c = s.Cartoes();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_TRUE(c[0].chip);
    EXPECT_EQ(c[0].codigoServico, "201");
    EXPECT_EQ(c[0].rede, "805");
    EXPECT_TRUE(c[0].token);
    EXPECT_FALSE(c[1].chip);
    EXPECT_EQ(c[1].codigoServico, "101");
    EXPECT_EQ(c[1].rede, "811");
}

TEST(ServidorCartoes, CartaoMalDescritoRecusaOCenarioInteiro) {
    for (const char* json :
         {R"({"cartoes": [{"numero": "123456789012", "validade": "3006"}]})",
          R"({"cartoes": [{"numero": "5067220000678907", "validade": "306"}]})",
          R"({"cartoes": [{"numero": "5067220000678907", "validade": "3006", "tipo": "x"}]})",
          R"({"cartoes": [{"numero": "5067220000678907", "validade": "3006", "pin": "1"}]})",
          R"({"cartoes": [{"numero": "5067220000678907", "validade": "3006", "token": 1}]})",
          R"({"cartoes": {}})"}) {
        Servidor s;
        ASSERT_TRUE(Carrega(s, kCenario));
        QString erro;
        EXPECT_FALSE(Carrega(s, json, &erro)) << json;
        EXPECT_FALSE(erro.isEmpty()) << json;
        EXPECT_EQ(s.Cartoes().size(), 2u) << "the previous scenario stays: " << json;
    }
}

TEST(ServidorCartoes, ConsultaDoTokenPeloCartaoDaTrilha) {
    Servidor s;
    ASSERT_TRUE(Carrega(s, kCenario));
    // The card with a token, its chip track image (separated with D), the card without one, a card the bank
    // does not know, no PIN block.
    const struct {
        const char *trilha, *bloco, *codigo;
    } casos[] = {{"5067220000678907=30062011234500000", "0123456789ABCDEF", "00"},
                 {"5067220000678907D3006201", "0123456789ABCDEF", "00"},
                 {"5067220000123458=29121011234500000", "0123456789ABCDEF", "57"},
                 {"4111111111111111=29121011234500000", "0123456789ABCDEF", "14"},
                 {"5067220000678907=30062011234500000", "", "55"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(&c - casos); // by its place: the track stays unprinted
        const auto r = Responde(s, {242, 0, 0, {Item(0, ""), Item(10104, c.trilha), Item(10146, c.bloco)}});
        EXPECT_EQ(r.codigo, c.codigo);
        if (std::string_view(c.codigo) != "00") {
            EXPECT_FALSE(r.mensagem.empty()); // a refusal says why
        }
    }
}

TEST(ServidorCartoes, AdviceOffLineEhRegistradoQualquerQueSejaATransacao) {
    Servidor s;
    ASSERT_TRUE(Carrega(s, kCenario));
    EXPECT_EQ(Responde(s, {242, 0, 0, {Item(10158, "99"), Item(10264, "1")}}).codigo, "00");
    // Without the mark the same request is a transaction the scenario does not know.
    EXPECT_EQ(Responde(s, {242, 0, 0, {Item(10158, "99")}}).codigo, "57");
}

TEST(ServidorCartoes, CenarioPadraoTemCartoesDeCadaTipo) {
    Servidor s;
    AbreCenario(s, "default.json");
    bool chip = false, tarja = false, outraRede = false, token = false, dezenove = false;
    for (const auto& c : s.Cartoes()) {
        (c.chip ? chip : tarja) = true;
        outraRede |= c.rede != "805";
        token |= c.token;
        dezenove |= c.numero.size() == 19;
    }
    EXPECT_TRUE(chip && tarja && outraRede && token && dezenove);
}

} // namespace
