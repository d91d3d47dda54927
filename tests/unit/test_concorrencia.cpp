// Fifty tills at once against the bank over loopback TCP: each deposits into the shared account, withdraws
// from it by card, cancels its withdrawal and tries to pay the one bill they all hold. Whatever the
// interleaving, every transaction is approved once or refused (for want of funds, or the bill already paid),
// no NSU is handed out twice, the bill is paid once and the account ends with exactly the deposits.
#include "BancoTcp.h"
#include "Escuta.h"
#include "Servidor.h"

#include <gtest/gtest.h>

#include <latch>
#include <set>
#include <thread>

namespace {

using namespace banco_tcp;

constexpr int kCaixas = 50;
constexpr long long kSaldoInicial = 100000; // R$ 1.000,00: not enough for every withdrawal at once
constexpr char kDeposito[] = "1000";
constexpr char kSaque[] = "5000";

struct Caixa {
    int depositos = 0, saques = 0, semSaldo = 0, estornos = 0, pagamentos = 0, jaPago = 0;
    std::vector<std::string> nsus;
    std::string falha; // the first answer that was neither an approval nor a refusal for funds

    void Anota(const char* passo, const std::optional<cbwire::Resposta>& r) {
        if (falha.empty())
            falha = std::string(passo) + ": " + (r ? r->codigo + " " + r->mensagem : "no answer");
    }

    void Atende(uint16_t porta, const Conta& conta) {
        const auto pagamento = Envia(porta, Pagamento(conta));
        if (pagamento && pagamento->codigo == "26") {
            ++jaPago;
        } else if (pagamento && pagamento->codigo == "00") {
            ++pagamentos;
            nsus.push_back(Nsu(*pagamento));
        } else {
            return Anota("bill payment", pagamento);
        }

        const auto deposito = Deposita(porta, kDeposito);
        if (!deposito || deposito->codigo != "00") return Anota("deposit", deposito);
        ++depositos;
        nsus.push_back(Nsu(*deposito));

        const auto saque = Envia(porta, Saque(kSaque));
        if (saque && saque->codigo == "51") {
            ++semSaldo;
            return;
        }
        if (!saque || saque->codigo != "00") return Anota("withdrawal", saque);
        ++saques;
        nsus.push_back(Nsu(*saque));
        const auto estorno =
            Envia(porta, Pedido("21", kSaque, {Item(10102, nsus.back()), Item(10212, "03")}));
        if (!estorno || estorno->codigo != "00") return Anota("cancellation", estorno);
        ++estornos;
        nsus.push_back(Nsu(*estorno));
    }
};

TEST(ServidorConcorrente, CinquentaCaixasAoMesmoTempoFechamOCaixaDoBanco) {
    const QJsonObject cenario = CenarioComConta(kSaldoInicial);
    cbserver::Servidor servidor;
    QString erro;
    ASSERT_TRUE(
        servidor.CarregaCenarioJson(QJsonDocument(cenario).toJson(), QStringLiteral(CB_CENARIOS), &erro))
        << erro.toStdString();
    const auto contas = ContasSimples(cenario);
    ASSERT_FALSE(contas.empty()) << "the default scenario lacks a plain bill";
    const Conta conta = contas.front();
    cbserver::Escuta escuta(servidor);
    std::string motivo;
    ASSERT_TRUE(escuta.Inicia("127.0.0.1", 0, &motivo)) << motivo;

    std::vector<Caixa> caixas(kCaixas);
    {
        std::latch largada(kCaixas);
        std::vector<std::jthread> threads;
        for (auto& caixa : caixas)
            threads.emplace_back([&largada, &caixa, &conta, porta = escuta.Porta()] {
                largada.arrive_and_wait();
                caixa.Atende(porta, conta);
            });
    }

    int depositos = 0, saques = 0, semSaldo = 0, estornos = 0, pagamentos = 0, jaPago = 0;
    std::multiset<std::string> nsus;
    for (const auto& c : caixas) {
        EXPECT_EQ(c.falha, "");
        depositos += c.depositos;
        saques += c.saques;
        semSaldo += c.semSaldo;
        estornos += c.estornos;
        pagamentos += c.pagamentos;
        jaPago += c.jaPago;
        nsus.insert(c.nsus.begin(), c.nsus.end());
    }
    EXPECT_EQ(pagamentos, 1) << "the bill is paid once";
    EXPECT_EQ(jaPago, kCaixas - 1);
    EXPECT_EQ(depositos, kCaixas);
    EXPECT_EQ(saques + semSaldo, kCaixas);
    EXPECT_EQ(estornos, saques);
    EXPECT_EQ(nsus.size(), std::set<std::string>(nsus.begin(), nsus.end()).size())
        << "an NSU handed out twice";
    EXPECT_EQ(nsus.count(""), 0u);

    // The ledger: every withdrawal was undone, so the account holds its balance and the deposits, to the
    // cent.
    const long long esperado = kSaldoInicial + kCaixas * std::stoll(kDeposito);
    const auto tudo = Envia(escuta.Porta(), Saque(std::to_string(esperado)));
    ASSERT_TRUE(tudo);
    EXPECT_EQ(tudo->codigo, "00") << tudo->mensagem;
    const auto centavo = Envia(escuta.Porta(), Saque("1"));
    ASSERT_TRUE(centavo);
    EXPECT_EQ(centavo->codigo, "51");
    escuta.Para();
}

} // namespace
