// The simulated bank's answers to withdrawals: the balance, the benefit card, the receipt paid once, the
// cheque list and the card told apart by its track.
#include "Ambiente.h"
#include "BancoTcp.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// The code the bank answers a withdrawal of group 3 with, as the forms send it: the operation, the value and
// the form's own fields.
std::string PedeSaque(cbserver::Servidor& s, const std::string& operacao, const std::string& valor,
                      std::vector<cbwire::Item> proprios) {
    return Responde(s, banco_tcp::Pedido(operacao, valor, std::move(proprios))).codigo;
}

class ServidorSaque : public ::testing::Test {
protected:
    void SetUp() override { AbreCenario(servidor_, "saque.json"); }
    // The card data the magnetic-card form copies from 10109: the track of the card read.
    cbwire::Resposta Cartao(const std::string& dados, const std::string& tipo, const std::string& valor,
                            const std::string& codigo = "123") {
        return Responde(servidor_, banco_tcp::Pedido("18", valor,
                                                     {Item(10104, dados), Item(10146, "0123456789ABCDEF"),
                                                      Item(10102, tipo), Item(10149, codigo)}));
    }
    cbserver::Servidor servidor_;
};

TEST_F(ServidorSaque, SaqueComCartaoBaixaOSaldoAteFaltar) {
    // Balance 1.500,00 on the stripe card's account, which answers to types 01 and 02.
    const auto r = Cartao("5067220000123458=2912101", "01", "80000");
    EXPECT_EQ(r.codigo, "00");
    ASSERT_EQ(r.servicos.size(), 1u);
    const auto& linhas = r.servicos.front().second;
    EXPECT_EQ(linhas.front(), "SAQUE COM CARTAO");
    EXPECT_NE(std::find(linhas.begin(), linhas.end(), Latin1("VALOR: R$ 800,00")), linhas.end());
    EXPECT_EQ(Cartao("5067220000123458=2912101", "02", "80000").codigo, "51"); // 700,00 left
    EXPECT_EQ(Cartao("5067220000123458=2912101", "02", "70000").codigo, "00");
    EXPECT_EQ(Cartao("5067220000123458=2912101", "02", "1000").codigo, "51");
    // The account does not answer to a salary account; a stripe card without its code; no PIN.
    EXPECT_EQ(Cartao("5067220000678907=3006201", "04", "1000").codigo, "00");
    EXPECT_EQ(Cartao("5067220000678907=3006201", "05", "1000").codigo, "12");
    EXPECT_EQ(Cartao("5067220000555550=2910101", "01", "1000", "").codigo, "12");
    EXPECT_EQ(
        PedeSaque(servidor_, "18", "1000", {Item(10104, "5067220000678907=3006201"), Item(10102, "01")}),
        "55");
    // Limits of one withdrawal, and a card of another network.
    EXPECT_EQ(Cartao("5067220000678907=3006201", "01", "999").codigo, "61");
    EXPECT_EQ(Cartao("5067220000678907=3006201", "01", "200001").codigo, "61");
    EXPECT_EQ(Cartao("5067220000678907=3006201", "01", "0").codigo, "13");
    EXPECT_EQ(Cartao("4174000012345676=2808201", "01", "1000").codigo, "57");
}

TEST_F(ServidorSaque, BeneficioSoComCartaoDeBeneficio) {
    const auto inss = [&](const std::string& dados) {
        return PedeSaque(servidor_, "16", "5000",
                         {Item(10104, dados), Item(10146, "0123456789ABCDEF"), Item(10102, "")});
    };
    EXPECT_EQ(inss("6362970000001234560=3112101"), "00");
    EXPECT_EQ(inss("5067220000123458=2912101"), "57");
    EXPECT_EQ(inss("0000000000000000=0000000"), "14");
}

TEST_F(ServidorSaque, ReciboPagaUmaVezComSuaContaESeuValor) {
    const auto recibo = [&](const std::string& numero, const std::string& chave, const std::string& valor) {
        return PedeSaque(servidor_, "20", valor,
                         {Item(10102, numero, 2), Item(10102, "01"), Item(10102, chave, 1)});
    };
    const std::string chave = "23700121000000009876501";
    EXPECT_EQ(recibo("4455667788", "23700121000000009876502", "35000"), "12");
    EXPECT_EQ(recibo("4455667788", chave, "35001"), "13");
    EXPECT_EQ(recibo("4455667789", chave, "35000"), "12");
    EXPECT_EQ(recibo("4455667788", chave, "35000"), "00");
    EXPECT_EQ(recibo("4455667788", chave, "35000"), "12");
}

TEST_F(ServidorSaque, ChequeRecusadoPelaLista) {
    const auto cheque = [&](const std::string& linha) {
        return PedeSaque(
            servidor_, "19", "5000",
            {Item(10102, "2"), Item(10102, linha, 1), Item(0, "01"), Item(10301, ""), Item(10301, "", 1)});
    };
    EXPECT_EQ(cheque("237033260180000095500040112345"), "00");
    EXPECT_EQ(cheque("237033260180999999500040112345"), "51");
    EXPECT_EQ(cheque("2370332601"), "12");
}

TEST(ServidorSaqueCenario, SoATrilhaIdentificaOCartao) {
    // Two cards with the same expiry and service code: the number in the track tells them apart, and a
    // number the scenario does not hold is no card at all.
    const QByteArray json = R"({"cartoes": [
        {"numero": "5067220000123458", "validade": "2912", "conta": "0001 1"},
        {"numero": "5067220000678907", "validade": "2912", "conta": "0001 1"}],
      "saques": {"contas": [{"conta": "0001 1", "tipos": ["01"], "saldo": "100000"}]}})";
    cbserver::Servidor s;
    QString erro;
    ASSERT_TRUE(s.CarregaCenarioJson(json, QString(), &erro)) << erro.toStdString();
    const auto saque = [&](const std::string& dados) {
        return PedeSaque(
            s, "18", "1000",
            {Item(10104, dados), Item(10146, "0123456789ABCDEF"), Item(10102, "01"), Item(10149, "0")});
    };
    EXPECT_EQ(saque("5067220000123458=2912101"), "00");
    EXPECT_EQ(saque("5067220000678907=2912101"), "00");
    EXPECT_EQ(saque("5067220000999991=2912101"), "14");
    EXPECT_EQ(saque("2912101M"), "14");
    // The same operation outside group 3 is a bill settlement, not a withdrawal.
    cbwire::Pedido p;
    p.codigo = 242;
    p.itens = {Item(10103, "1"), Item(10158, "18"), Item(1003, "1000")};
    EXPECT_NE(Responde(s, p).mensagem, Latin1("Saque efetuado"));
}

} // namespace
