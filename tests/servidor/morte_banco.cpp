// cb-server --db killed (SIGKILL) in the middle of a load of deposits and bill payments from several tills,
// then started again on the same file: every transaction a till saw approved is there exactly once (its
// bill refuses a second payment, its deposit cancels once), NSUs go on without repeating, and of what no
// till saw approved only the requests that were in flight at the kill may have gone through.
#include "BancoTcp.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <map>
#include <mutex>
#include <thread>

namespace {

using namespace banco_tcp;

constexpr int kCaixas = 4;
constexpr int kAprovacoesAntesDaMorte = 120;
constexpr long long kSaldoInicial = 100000;

// cb-server on a free port with its bank in the file; its port, 0 when it did not start.
uint16_t Inicia(QProcess& p, const QString& cenario, const QString& banco) {
    p.start(QStringLiteral(CB_SERVIDOR),
            {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--scenario"), cenario,
             QStringLiteral("--db"), banco});
    if (!p.waitForReadyRead(30000)) return 0;
    const QByteArray linha = p.readLine().trimmed();
    return linha.mid(linha.lastIndexOf(':') + 1).toUShort();
}

struct Carga {
    std::vector<Conta> contas;
    pid_t servidor = 0;
    std::mutex m;
    std::atomic<int> aprovacoes{0};
    std::map<std::string, long long> depositos; // approved, by NSU
    std::vector<long long> incertos;            // deposits with no answer
    std::map<std::string, char> pagamentos;     // bar code: 'a' approved, '?' no answer
    std::string falha;

    // One till: its share of the bills, each before a deposit of a value no other deposit has, until a
    // request goes unanswered.
    void Caixa(uint16_t porta, int caixa) {
        for (int i = caixa;; i += kCaixas) {
            const bool paga = static_cast<size_t>(i) < contas.size();
            const auto pagamento =
                paga ? Envia(porta, Pagamento(contas[static_cast<size_t>(i)])) : std::nullopt;
            if (paga && !Anota(pagamento, contas[static_cast<size_t>(i)].codigoBarras, 0)) return;
            const long long valor = 1000 + i;
            if (!Anota(Deposita(porta, std::to_string(valor)), {}, valor)) return;
        }
    }
    bool Anota(const std::optional<cbwire::Resposta>& r, const std::string& codigoBarras, long long valor) {
        std::lock_guard g(m);
        if (r && r->codigo != "00" && falha.empty()) falha = r->codigo + " " + r->mensagem;
        if (!r || r->codigo != "00") {
            if (!r && valor) incertos.push_back(valor);
            if (!r && !valor) pagamentos[codigoBarras] = '?';
            return false;
        }
        if (valor) depositos[Nsu(*r)] = valor;
        if (!valor) pagamentos[codigoBarras] = 'a';
        if (++aprovacoes == kAprovacoesAntesDaMorte) ::kill(servidor, SIGKILL);
        return true;
    }
};

TEST(ServidorBancoMorte, CadaAprovacaoSobreviveUmaVez) {
    QTemporaryDir pasta;
    const QString cenario = pasta.filePath(QStringLiteral("cenario.json")),
                  banco = pasta.filePath(QStringLiteral("banco.db"));
    QFile f(cenario);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) &&
                f.write(QJsonDocument(CenarioComConta(kSaldoInicial)).toJson()));
    f.close();
    Carga carga;
    carga.contas = ContasSimples(CenarioComConta(kSaldoInicial));
    QProcess servidor;
    const uint16_t porta = Inicia(servidor, cenario, banco);
    ASSERT_NE(porta, 0);
    carga.servidor = static_cast<pid_t>(servidor.processId());
    {
        std::vector<std::jthread> caixas;
        for (int c = 0; c < kCaixas; ++c)
            caixas.emplace_back([&carga, porta, c] { carga.Caixa(porta, c); });
    }
    ASSERT_TRUE(servidor.waitForFinished(30000));
    ASSERT_EQ(carga.falha, "") << "a refusal before the kill";
    ASSERT_GE(carga.aprovacoes, kAprovacoesAntesDaMorte);

    QProcess reinicio;
    const uint16_t porta2 = Inicia(reinicio, cenario, banco);
    ASSERT_NE(porta2, 0) << reinicio.readAllStandardError().toStdString();
    long long ultimoNsu = 0;
    for (const auto& [nsu, valor] : carga.depositos)
        ultimoNsu = std::max(ultimoNsu, std::stoll(nsu));
    for (const auto& c : carga.contas) {
        const auto r = Envia(porta2, Pagamento(c));
        ASSERT_TRUE(r);
        const char antes = carga.pagamentos.count(c.codigoBarras) ? carga.pagamentos[c.codigoBarras] : '-';
        if (antes != '?') EXPECT_EQ(r->codigo, antes == 'a' ? "26" : "00") << c.codigoBarras;
    }
    // Each approved deposit cancels once and only once; what is left above the balance is in-flight deposits.
    for (const auto& [nsu, valor] : carga.depositos) {
        const auto r = Envia(porta2, Pedido("31", std::to_string(valor), {Item(10102, nsu)}));
        ASSERT_TRUE(r && r->codigo == "00") << "deposit " << nsu << " lost";
        EXPECT_GT(std::stoll(Nsu(*r)), ultimoNsu) << "an NSU handed out again";
        const auto outra = Envia(porta2, Pedido("31", std::to_string(valor), {Item(10102, nsu)}));
        EXPECT_TRUE(outra && outra->codigo != "00") << "deposit " << nsu << " cancelled twice";
    }
    const auto saldo =
        Envia(porta2, Pedido("14", "", {Item(10290, kTrilha), Item(10146, "0123456789ABCDEF")}));
    ASSERT_TRUE(saldo && saldo->codigo == "00");
    std::string digitos;
    for (const char ch : saldo->mensagem)
        if (ch >= '0' && ch <= '9') digitos += ch;
    const long long sobra = std::stoll(digitos) - kSaldoInicial;
    bool explicado = false;
    for (unsigned parte = 0; parte < (1u << carga.incertos.size()); ++parte) {
        long long soma = 0;
        for (size_t i = 0; i < carga.incertos.size(); ++i)
            if (parte & (1u << i)) soma += carga.incertos[i];
        explicado = explicado || soma == sobra;
    }
    EXPECT_TRUE(explicado) << "the balance moved by " << sobra << " cents that no deposit in flight explains";
    reinicio.terminate();
    EXPECT_TRUE(reinicio.waitForFinished(30000));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
