// The simulated bank's cards: how a scenario lists them, the security-token query and the chip's offline
// advice, answered from request frames as the module sends them.
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace {

using cbserver::Servidor;

std::optional<cbwire::Resposta> Pede(Servidor& s, uint16_t codigo, const std::vector<cbwire::Item>& itens) {
    cbwire::Pedido p;
    p.codigo = codigo;
    p.itens = itens;
    return cbwire::DecodificaResposta(s.Atende(cbwire::CodificaPedido(p)));
}

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
    const auto pede = [&](const std::string& trilha, const std::string& bloco) {
        return Pede(s, 242, {Item(0, ""), Item(10104, trilha), Item(10146, bloco)});
    };
    auto r = pede("5067220000678907=30062011234500000", "0123456789ABCDEF");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "00");
    r = pede("5067220000678907D3006201", "0123456789ABCDEF");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "00") << "a chip track image separates with D";
    r = pede("5067220000123458=29121011234500000", "0123456789ABCDEF");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "57");
    EXPECT_FALSE(r->mensagem.empty());
    r = pede("4111111111111111=29121011234500000", "0123456789ABCDEF");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "14");
    r = pede("5067220000678907=30062011234500000", "");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "55");
}

TEST(ServidorCartoes, AdviceOffLineEhRegistradoQualquerQueSejaATransacao) {
    Servidor s;
    ASSERT_TRUE(Carrega(s, kCenario));
    auto r = Pede(s, 242, {Item(10158, "99"), Item(10264, "1")});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "00");
    // Without the mark the same request is a transaction the scenario does not know.
    r = Pede(s, 242, {Item(10158, "99")});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->codigo, "57");
}

TEST(ServidorCartoes, CenarioPadraoTemCartoesDeCadaTipo) {
    Servidor s;
    QString erro;
    ASSERT_TRUE(s.CarregaCenario(QStringLiteral(CB_CENARIOS "/default.json"), &erro)) << erro.toStdString();
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
