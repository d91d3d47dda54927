// The simulated bank's side of the withdrawal whose cash pays the bills: what it refuses (card, PIN, account
// type, value) and what an approval brings and consumes.
#include "Ambiente.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Servidor.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

class ServidorSaqueContas : public ::testing::Test {
protected:
    void SetUp() override { AbreCenario(servidor_, "pagamento_saque.json"); }

    // The request as the withdrawal dialog sends it.
    cbwire::Resposta Saque(const std::string& trilha, const std::string& valor,
                           const std::string& senha = "0123456789ABCDEF", const std::string& tipo = "01",
                           const std::string& grupo = "3") {
        cbwire::Pedido p;
        p.codigo = 242;
        p.indicador = 1;
        p.itens = {Item(10171, ""),     Item(10103, grupo), Item(10158, "22"), Item(1003, valor),
                   Item(10104, trilha), Item(10146, senha), Item(10102, tipo)};
        return Responde(servidor_, p);
    }

    cbserver::Servidor servidor_;
};

constexpr char kTrilhaTarja[] = "5067220000123458=2912101";

TEST_F(ServidorSaqueContas, RecusasPeloCartaoSenhaTipoEValor) {
    struct Caso {
        const char* nome;
        cbwire::Resposta resposta;
        const char* codigo;
    };
    const Caso casos[] = {{"cartão desconhecido", Saque("4111111111111111=2912101", "1000"), "14"},
                          {"cartão sem conta", Saque("5067220000555551=2912101", "1000"), "57"},
                          {"sem senha", Saque(kTrilhaTarja, "1000", ""), "55"},
                          {"tipo de conta", Saque(kTrilhaTarja, "1000", "0123456789ABCDEF", "03"), "12"},
                          {"valor zero", Saque(kTrilhaTarja, "0"), "13"},
                          {"valor com letras", Saque(kTrilhaTarja, "10,00"), "13"},
                          {"outro grupo", Saque(kTrilhaTarja, "1000", "0123456789ABCDEF", "01", "1"), "57"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(c.resposta.codigo, c.codigo);
        EXPECT_TRUE(c.resposta.hRegistros.empty());
    }
}

TEST_F(ServidorSaqueContas, AprovadoTrazDadosDaVendaEConsomeOLimite) {
    const auto r = Saque(kTrilhaTarja, "30000");
    ASSERT_EQ(r.codigo, "00");
    ASSERT_EQ(r.hRegistros.size(), 1U);
    const std::string h = r.hRegistros[0];
    ASSERT_EQ(h.substr(0, 2), "36");
    const std::string venda = h.substr(2);
    ASSERT_GE(venda.size(), 85U);
    // NSU 1: its last digits at 2, the whole of it at 12, the masked card at 61, the authorisation at 77.
    EXPECT_EQ(venda.substr(2, 4), "0001");
    EXPECT_EQ(venda.substr(12, 9), "000000001");
    EXPECT_EQ(venda.substr(61, 16), "506722******3458");
    EXPECT_EQ(venda.substr(77, 6), "007919");
    EXPECT_EQ(venda.substr(83, 2), "01");
    for (const auto& [letra, linhas] : r.servicos)
        for (const auto& l : linhas)
            EXPECT_EQ(l.find(std::string_view(kTrilhaTarja, 16)), std::string::npos) << letra;

    // The scenario's limit is 500,00 a card: 300,00 drawn leaves 200,00.
    const auto acima = Saque(kTrilhaTarja, "20001");
    EXPECT_EQ(acima.codigo, "61");
    EXPECT_EQ(Saque(kTrilhaTarja, "20000").codigo, "00");
    EXPECT_EQ(Saque(kTrilhaTarja, "1").codigo, "61");
}

} // namespace
