// cb-server --db killed (SIGKILL) in the middle of deposits from several tills, then started again on the
// same file: every deposit a till saw approved is there exactly once (it cancels once, and only once), NSUs
// go on without repeating, and the balance holds nothing else but deposits that were in flight at the kill.
#include "BancoTcp.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <iterator>
#include <map>
#include <mutex>
#include <thread>

namespace {

using namespace banco_tcp;

constexpr int kCaixas = 4;
constexpr int kAprovacoesAntesDaMorte = 150;
constexpr long long kSaldoInicial = 100000;

// cb-server on a free port with its bank in the file; its port, 0 when it did not start.
uint16_t Inicia(QProcess& p, const QString& cenario, const QString& banco) {
    p.start(QStringLiteral(CB_SERVIDOR),
            {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--scenario"), cenario,
             QStringLiteral("--db"), banco});
    return p.waitForReadyRead(30000) ? p.readLine().trimmed().split(':').last().toUShort() : 0;
}

struct Carga {
    pid_t servidor = 0;
    std::mutex m;
    int aprovacoes = 0;
    std::map<std::string, long long> depositos; // approved, by NSU
    std::vector<long long> incertos;            // sent and never answered
    std::string falha;

    // One till: deposits of values no other deposit has, until one goes unanswered.
    void Caixa(uint16_t porta, int caixa) {
        for (long long valor = 1000 + caixa;; valor += kCaixas) {
            const auto r = Deposita(porta, std::to_string(valor));
            std::lock_guard g(m);
            if (!r) return incertos.push_back(valor);
            if (r->codigo != "00") return void(falha = r->codigo + " " + r->mensagem);
            depositos[Nsu(*r)] = valor;
            if (++aprovacoes == kAprovacoesAntesDaMorte) ::kill(servidor, SIGKILL);
        }
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
    QProcess servidor;
    const uint16_t porta = Inicia(servidor, cenario, banco);
    ASSERT_NE(porta, 0);
    Carga carga;
    carga.servidor = static_cast<pid_t>(servidor.processId());
    {
        std::vector<std::jthread> caixas;
        for (int c = 0; c < kCaixas; ++c)
            caixas.emplace_back([&carga, porta, c] { carga.Caixa(porta, c); });
    }
    ASSERT_EQ(carga.falha, "") << "a refusal before the kill";
    ASSERT_GE(carga.aprovacoes, kAprovacoesAntesDaMorte);
    ASSERT_TRUE(servidor.waitForFinished(30000));

    QProcess reinicio;
    const uint16_t porta2 = Inicia(reinicio, cenario, banco);
    ASSERT_NE(porta2, 0) << reinicio.readAllStandardError().toStdString();
    long long ultimoNsu = 0;
    for (const auto& d : carga.depositos)
        ultimoNsu = std::max(ultimoNsu, std::stoll(d.first));
    for (const auto& [nsu, valor] : carga.depositos) {
        const auto cancela = Pedido("31", std::to_string(valor), {Item(10102, nsu)});
        const auto r = Envia(porta2, cancela);
        ASSERT_TRUE(r && r->codigo == "00") << "deposit " << nsu << " lost";
        EXPECT_GT(std::stoll(Nsu(*r)), ultimoNsu) << "an NSU handed out again";
        const auto outra = Envia(porta2, cancela);
        EXPECT_TRUE(outra && outra->codigo != "00") << "deposit " << nsu << " twice";
    }
    // With the approved deposits undone, the balance is the initial one plus some of those in flight.
    const auto saldo =
        Envia(porta2, Pedido("14", "", {Item(10290, kTrilha), Item(10146, "0123456789ABCDEF")}));
    ASSERT_TRUE(saldo && saldo->codigo == "00");
    std::string digitos;
    std::copy_if(saldo->mensagem.begin(), saldo->mensagem.end(), std::back_inserter(digitos),
                 [](char ch) { return ch >= '0' && ch <= '9'; });
    const long long sobra = std::stoll(digitos) - kSaldoInicial;
    bool explicada = false;
    for (unsigned parte = 0; parte < (1u << carga.incertos.size()); ++parte) {
        long long soma = 0;
        for (size_t i = 0; i < carga.incertos.size(); ++i)
            soma += (parte >> i & 1u) ? carga.incertos[i] : 0;
        explicada = explicada || soma == sobra;
    }
    EXPECT_TRUE(explicada) << sobra << " cents that no deposit in flight explains";
    reinicio.terminate();
    EXPECT_TRUE(reinicio.waitForFinished(30000));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
