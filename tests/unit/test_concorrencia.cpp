// Fifty tills at once against the bank over loopback TCP: each deposits into the shared account, withdraws
// from it by card, cancels its withdrawal and tries to pay the one bill they all hold. Whatever the
// interleaving, every transaction is approved once or refused (for want of funds, or the bill already paid),
// no NSU is handed out twice, the bill is paid once and the account ends with exactly the deposits.
#include "Escuta.h"
#include "ItensPedido.h"
#include "Protocolo.h"
#include "Quadro.h"
#include "Servidor.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <latch>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <variant>
#include <vector>

namespace {

constexpr int kCaixas = 50;
constexpr long long kSaldoInicial = 100000; // R$ 1.000,00: not enough for every withdrawal at once
constexpr char kDeposito[] = "1000";
constexpr char kSaque[] = "5000";
const std::string kChave = "23700011000000012345607";
const std::string kTrilha = "5067220000123458=2912101";

// One request on a connection of its own, as the till's platform sends it.
std::optional<cbwire::Resposta> Envia(uint16_t porta, const cbwire::Pedido& pedido) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return std::nullopt;
    sockaddr_in destino{};
    destino.sin_family = AF_INET;
    destino.sin_port = htons(porta);
    destino.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval prazo{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &prazo, sizeof prazo);
    std::string quadro = cbwire::CodificaPedido(pedido);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&destino), sizeof destino) == 0 &&
              ::send(fd, quadro.data(), quadro.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(quadro.size());
    const auto le = [fd](std::string& s, std::size_t de) {
        for (std::size_t lidos = de; lidos < s.size();) {
            const ssize_t r = ::recv(fd, s.data() + lidos, s.size() - lidos, 0);
            if (r <= 0) return false;
            lidos += static_cast<std::size_t>(r);
        }
        return true;
    };
    std::string resposta(cbwire::kCabecalhoQuadro, '\0');
    ok = ok && le(resposta, 0);
    const auto total = ok ? cbwire::TamanhoQuadro(resposta, cbwire::kTipoResposta) : std::nullopt;
    if (total) resposta.resize(*total);
    ok = total && le(resposta, cbwire::kCabecalhoQuadro);
    ::close(fd);
    return ok ? cbwire::DecodificaResposta(resposta) : std::nullopt;
}

cbwire::Pedido Pedido(const std::string& operacao, const std::string& valor,
                      std::vector<cbwire::Item> proprios) {
    cbwire::Pedido p;
    p.codigo = 242;
    p.indicador = 1;
    p.itens = {Item(0, ""), Item(10171, ""), Item(10103, "3"), Item(10158, operacao), Item(1003, valor)};
    p.itens.insert(p.itens.end(), proprios.begin(), proprios.end());
    return p;
}

cbwire::Pedido Saque(const std::string& valor) {
    return Pedido(
        "18", valor,
        {Item(10104, kTrilha), Item(10146, "0123456789ABCDEF"), Item(10102, "01"), Item(10149, "123")});
}

// The NSU a receipt ends with ("NSU: n" in service I).
std::string Nsu(const cbwire::Resposta& r) {
    for (const auto& [letra, linhas] : r.servicos)
        if (letra == 'I' && !linhas.empty() && linhas.back().rfind("NSU: ", 0) == 0)
            return linhas.back().substr(5);
    return {};
}

// A cash settlement of one bill, as the payment dialogs send it.
struct Conta {
    std::string codigoBarras;
    std::string total; // cents
};

cbwire::Pedido Pagamento(const Conta& conta) {
    cbwire::Pedido p;
    p.codigo = 242;
    p.indicador = 1;
    p.itens = {Item(0, ""), Item(10171, ""), Item(10103, "1"), Item(10158, "16"), Item(10162, "", 1)};
    for (const auto& i :
         {Item(10163, conta.total), Item(10164, conta.total), Item(10165, "0"), Item(10166, "0"),
          Item(10167, "1"), Item(10168, conta.codigoBarras), Item(10169, "07072026")})
        p.itens.push_back(i);
    return p;
}

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

        const auto consulta = Envia(porta, Pedido("15", kDeposito, {Item(0, kChave)}));
        if (!consulta || consulta->codigo != "00" || consulta->servicos.empty())
            return Anota("holder query", consulta);
        const std::string referencia = consulta->servicos.front().second.at(0).substr(4, 20);
        const auto deposito =
            Envia(porta, Pedido("30", kDeposito,
                                {Item(0, kChave), Item(10240, referencia), Item(10183, kDeposito)}));
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
    // The default scenario's bills, and one account with its card.
    QFile padrao(QStringLiteral(CB_CENARIOS "/default.json"));
    ASSERT_TRUE(padrao.open(QIODevice::ReadOnly));
    QJsonObject cenario = QJsonDocument::fromJson(padrao.readAll()).object();
    const QJsonObject extra =
        QJsonDocument::fromJson(
            QStringLiteral(
                R"({"saques": {"contas": [{"conta": "0001 0123456-7", "tipos": ["01"], "saldo": "%1",
                                                      "titular": "MARIA"}]},
                               "cartoes": [{"numero": "5067220000123458", "validade": "2912", "rede": "805",
                                            "conta": "0001 0123456-7"}]})")
                .arg(kSaldoInicial)
                .toUtf8())
            .object();
    for (auto it = extra.begin(); it != extra.end(); ++it)
        cenario.insert(it.key(), it.value());
    cbserver::Servidor servidor;
    QString erro;
    ASSERT_TRUE(
        servidor.CarregaCenarioJson(QJsonDocument(cenario).toJson(), QStringLiteral(CB_CENARIOS), &erro))
        << erro.toStdString();
    // A bill of the scenario with nothing special to it: payable, no bounds.
    const auto regras = cbserver::contas::LeRegras(cenario);
    ASSERT_TRUE(std::holds_alternative<cbserver::contas::Regras>(regras));
    Conta conta;
    for (const auto& d : std::get<cbserver::contas::Regras>(regras).documentos)
        if (conta.codigoBarras.empty() && !d.pago && !d.debitoForcado && !d.valorMinimo && !d.valorMaximo)
            conta = {d.codigoBarras, std::to_string(d.Total())};
    ASSERT_FALSE(conta.codigoBarras.empty()) << "the default scenario lacks a plain bill";
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
