// The simulated bank's checks of the prepaid card's operations against blocks the platform's PIN pad makes:
// the identification by mobile number, the withdrawal's PIN and phone code, the balances that deposits and
// transfers move.
#include "Ambiente.h"
#include "ItensPedido.h"
#include "Servidor.h"
#include "padkit.h"

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char CARTAO_MARIA[] = "6370950000012349";
constexpr char CELULAR_MARIA[] = "01100987654321";

class BancoPrePago : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        AbreCenario(servidor_, "cartao_prepago.json");
    }
    // The block the PIN pad makes of a secret typed while field 10104 holds dados.
    std::string Bloco(const char* segredo, const std::string& dados) {
        DefineCampo(10104, 0, dados);
        VortaSimPinpadDefineSenha(segredo);
        EXPECT_EQ(LerSenha(0, "", "", 0, ""), PAD_OK);
        return Campo(10146).value_or("");
    }
    cbwire::Resposta Pede(const std::string& operacao, std::vector<std::pair<uint16_t, std::string>> campos) {
        cbwire::Pedido p;
        p.codigo = 242;
        p.itens = {Item(10103, "7"), Item(10158, operacao)};
        for (const auto& [campo, valor] : campos)
            p.itens.push_back(Item(campo, valor));
        return Responde(servidor_, p);
    }
    cbwire::Resposta SaqueCelular(const std::string& valor, const char* senha, const char* codigo) {
        const std::string pin = Bloco(senha, CARTAO_MARIA);
        const std::string cod = Bloco(codigo, CARTAO_MARIA);
        return Pede("11", {{1003, valor}, {10134, "2"}, {10104, cod}, {10146, pin}});
    }

    cbserver::Servidor servidor_;
};

TEST_F(BancoPrePago, IdentificacaoPorCelularDevolveCartaoENome) {
    const auto r = Pede("10", {{1205, ""}, {10104, CELULAR_MARIA}});
    EXPECT_EQ(r.codigo, "00");
    ASSERT_EQ(r.hRegistros.size(), 1u);
    // Compared without printing: a failure message must not show a card number.
    EXPECT_TRUE(r.hRegistros[0] == std::string("40") + CARTAO_MARIA + "MARIA DA SILVA                ");
    // A number the bank does not know, and the card number where the phone is expected.
    EXPECT_EQ(Pede("10", {{10104, "01100000000000"}}).codigo, "14");
    EXPECT_EQ(Pede("10", {{10104, CARTAO_MARIA}}).codigo, "14");
    // The holder whose name is blanks is answered as the bank has it.
    const auto branco = Pede("14", {{10134, "1"}, {10104, "6370950000090121"}});
    ASSERT_EQ(branco.hRegistros.size(), 1u);
    EXPECT_EQ(branco.hRegistros[0].substr(18), std::string(30, ' '));
}

TEST_F(BancoPrePago, SaquePorCelularConfereSenhaECodigoEBaixaOSaldo) {
    EXPECT_EQ(SaqueCelular("1000", "7391", "111111").codigo, "55") << "wrong phone code";
    EXPECT_EQ(SaqueCelular("1000", "1111", "582914").codigo, "55") << "wrong PIN";
    EXPECT_EQ(SaqueCelular("45000", "7391", "582914").codigo, "00");
    // 500,00 at the start: 50,00 are left.
    EXPECT_EQ(SaqueCelular("5001", "7391", "582914").codigo, "51");
    EXPECT_EQ(SaqueCelular("5000", "7391", "582914").codigo, "00");
    // A blocked card with its right PIN and a balance: still refused.
    const std::string ana = "6370950000034566=3012101";
    EXPECT_EQ(Pede("11", {{1003, "100"}, {10134, "1"}, {10104, ana}, {10146, Bloco("8642", ana)}}).codigo,
              "62");
}

TEST_F(BancoPrePago, DepositoETransferenciaMovemOsSaldos) {
    const std::string joao = "6370950000056783";
    const std::string trilhaJoao = joao + "=3012101";
    // João's withdrawal by card with his PIN.
    const auto saque = [&](const char* valor) {
        const std::string pin = Bloco("2468", trilhaJoao);
        return Pede("11", {{1003, valor}, {10134, "1"}, {10104, trilhaJoao}, {10146, pin}}).codigo;
    };
    // João has 10,00; a deposit of 20,00 lets him withdraw 30,00 by card.
    EXPECT_EQ(Pede("15", {{1003, "2000"}, {10134, "1"}, {10104, joao}, {1007, ""}}).codigo, "12");
    EXPECT_EQ(Pede("15", {{1003, "2000"}, {10134, "1"}, {10104, joao}, {1007, "11144477735"}}).codigo, "00");
    EXPECT_EQ(saque("3000"), "00");
    // Maria sends him 100,00 with her PIN on his card; he can then take it out.
    const std::string pinMaria = Bloco("7391", trilhaJoao);
    const auto transferencia = [&](const std::string& op, const char* valor, const std::string& pin) {
        return Pede(op,
                    {{1003, valor}, {10340, "1"}, {10348, CELULAR_MARIA}, {10104, trilhaJoao}, {10146, pin}});
    };
    const auto senhaErrada = transferencia("16", "10000", Bloco("0000", trilhaJoao));
    EXPECT_EQ(senhaErrada.codigo + " " + senhaErrada.mensagem, "55 Senha inv\xe1lida");
    const auto destino = transferencia("16", "10000", pinMaria);
    ASSERT_EQ(destino.codigo, "00");
    ASSERT_EQ(destino.hRegistros.size(), 1u);
    EXPECT_TRUE(destino.hRegistros[0].compare(2, 16, joao) == 0);
    const auto semSaldo = transferencia("17", "999999999", pinMaria);
    EXPECT_EQ(semSaldo.codigo + " " + semSaldo.mensagem, "51 Saldo insuficiente") << "more than Maria has";
    EXPECT_EQ(transferencia("17", "10000", pinMaria).codigo, "00");
    EXPECT_EQ(saque("10001"), "51");
    EXPECT_EQ(saque("10000"), "00");
}

} // namespace
