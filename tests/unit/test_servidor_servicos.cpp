// The simulated bank's side of the other-functions and administrative services (operations 70 to 76): what it
// refuses before approving, and a scenario that lacks or garbles their data (the dialogs are the operator
// scripts' servicos_*).
#include "Ambiente.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"

#include <map>
#include <string>

namespace {

constexpr const char* kVisa = "4174000012345676";    // no account at the bank
constexpr const char* kINSS = "6362970000001234560"; // the INSS benefit card
constexpr const char* kNB = "1234567890";            // its benefit number

class BancoServicos : public ::testing::Test {
protected:
    // The reply to operation op with these fields (occurrence 0, or "field.occurrence").
    cbwire::Resposta Pede(const std::string& op, std::map<std::string, std::string> campos) {
        cbwire::Pedido p;
        p.codigo = 242;
        p.itens.push_back({10158, 0, 0, 0, {}, op});
        for (const auto& [chave, valor] : campos) {
            const auto ponto = chave.find('.');
            cbwire::Item i;
            i.campo = static_cast<uint16_t>(std::stoi(chave.substr(0, ponto)));
            i.ocorrencia =
                ponto == std::string::npos ? 0 : static_cast<uint16_t>(std::stoi(chave.substr(ponto + 1)));
            i.valor = valor;
            p.itens.push_back(i);
        }
        return Responde(servidor_, p);
    }
    void Cenario(const char* json) {
        QString erro;
        ASSERT_TRUE(servidor_.CarregaCenarioJson(QByteArray(json), QString(), &erro)) << erro.toStdString();
    }
    cbserver::Servidor servidor_;
};

constexpr char kSoCartoes[] =
    R"({"cartoes": [{"numero": "6362970000001234560", "validade": "3112", "conta": "0002 0011223-3"}]})";

TEST_F(BancoServicos, CenarioSemOsDadosRecusaCadaOperacaoDizendoOQueFalta) {
    Cenario(kSoCartoes);
    const std::map<std::string, std::string> campos{
        {"10290", kINSS}, {"10104", std::string(kINSS) + "=3112101"}, {"10146", "ABCD"}, {"10243", "FFFF1"}};
    for (const char* op : {"70", "71", "72", "73", "76"}) {
        SCOPED_TRACE(op);
        const auto r = Pede(op, campos);
        EXPECT_EQ(r.codigo, "57");
        EXPECT_NE(r.mensagem.find(Latin1("não previst")), std::string::npos);
        EXPECT_TRUE(r.servicos.empty());
    }
}

TEST_F(BancoServicos, DadosMalformadosSaoRecusadosComOLugar) {
    Cenario(R"({"beneficiosINSS": {"cartao": "1"}, "segundaViaCartaoDebito": {"motivos": {}},
                "reimpressoesFininvest": [{"nsu": 12}]})");
    EXPECT_EQ(Pede("72", {{"10290", kINSS}}).mensagem, Latin1("Cenário com beneficiosINSS malformado"));
    EXPECT_EQ(Pede("71", {{"10290", kINSS}}).mensagem,
              Latin1("Cenário com segundaViaCartaoDebito malformado"));
    EXPECT_EQ(Pede("76", {{"10102", "1"}}).mensagem, Latin1("Cenário com reimpressoesFininvest malformado"));
}

TEST_F(BancoServicos, BeneficioSemDemonstrativosNaoTemDatas) {
    Cenario(R"({"cartoes": [{"numero": "6362970000001234560", "validade": "3112"}],
                "beneficiosINSS": [{"cartao": "6362970000001234560", "nb": "1234567890", "titular": "ANA", "demonstrativos": []}]})");
    const auto r = Pede("72", {{"10290", kINSS}});
    EXPECT_EQ(r.codigo + " " + r.mensagem, Latin1("25 Nenhum demonstrativo disponível para o benefício"));
}

TEST_F(BancoServicos, ChecagensDoBancoAntesDeAprovar) {
    AbreCenario(servidor_, "default.json");
    const std::string trilha = std::string(kINSS) + "=3112101";
    // Revalidation without the PIN pad's serial (no PIN typed), statement without a PIN block or for a date
    // the bank has not, a card the bank does not know, a reprint NSU that is not a number.
    EXPECT_EQ(Pede("70", {{"10290", kINSS}, {"10167", kNB}}).codigo, "55");
    EXPECT_EQ(Pede("73", {{"10104", trilha}, {"10165", "05032025"}}).codigo, "55");
    const auto semData = Pede("73", {{"10104", trilha}, {"10146", "AB"}, {"10165", "05042025"}});
    EXPECT_EQ(semData.codigo, "25");
    EXPECT_EQ(semData.mensagem, Latin1("Demonstrativo não disponível para a data 05/04/2025"));
    EXPECT_EQ(Pede("72", {{"10290", "6362970000009999999"}}).codigo, "14");
    // A statement asked straight for a card the bank knows but that pays no benefit.
    const auto naoINSS =
        Pede("73", {{"10104", "5067220000123458=2912101"}, {"10146", "AB"}, {"10165", "05032025"}});
    EXPECT_EQ(naoINSS.codigo, "57");
    EXPECT_EQ(naoINSS.mensagem, Latin1("Cartão não é de benefício INSS"));
    // A second copy of a debit card whose number has no account at the bank.
    const auto semConta = Pede("71", {{"10102", "01"}, {"10290", kVisa}, {"10341", "1"}, {"10146", "AB"}});
    EXPECT_EQ(semConta.codigo, "57");
    EXPECT_EQ(semConta.mensagem, Latin1("Cartão sem conta de débito neste banco"));
    EXPECT_EQ(Pede("76", {{"10102", "47a1"}, {"1112", "10022025"}}).codigo, "12");
    // A basket of services the bank does not sell.
    const auto cesta = Pede("75", {{"10104", "5067220000123458=2912101"}, {"10146", "AB"}, {"10294", "999"}});
    EXPECT_EQ(cesta.codigo + " " + cesta.mensagem, Latin1("12 Cesta de serviços inexistente"));
    // NSUs compare as numbers; each approval gets a sequence number of its own.
    const auto a = Pede("76", {{"10102", "0004711"}, {"1112", "10022025"}});
    const auto b = Pede("73", {{"10104", trilha}, {"10146", "AB"}, {"10165", "05032025"}});
    ASSERT_EQ(a.codigo, "00");
    ASSERT_EQ(b.codigo, "00");
    ASSERT_FALSE(a.servicos.empty());
    ASSERT_FALSE(b.servicos.empty());
    EXPECT_EQ(a.servicos[0].second.back(), "NSU: 1");
    EXPECT_EQ(b.servicos[0].second.back(), "NSU: 2");
}

} // namespace
