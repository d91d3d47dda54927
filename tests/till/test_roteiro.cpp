// The operator scripts as cb-till plays them. Their safety net: card numbers, tracks and PINs of a script are
// found wherever the till writes them, the finding names what leaked but never shows it, and a script that
// plants one fails. And what a script checks in the host folder after a call: the lines a file must hold, or
// that it must not be there; a script whose file lacks a line, or holds a file it should not, fails and says
// which.
#include "Segredos.h"
#include "Servidor.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace {

constexpr const char* kNumero = "5899990000004321";
constexpr const char* kSenha = "4821";

cbserver::CartaoCenario Cartao(const char* numero, const char* trilha2 = "") {
    cbserver::CartaoCenario c;
    c.numero = numero;
    c.trilha2 = trilha2;
    c.validade = "3001";
    c.codigoServico = "101";
    return c;
}

bool Contem(const QString& texto, const char* segredo) {
    return texto.contains(QLatin1String(segredo));
}

TEST(Segredos, AchaNumeroTrilhaESenhaSemMostrarOSegredo) {
    Segredos s;
    EXPECT_TRUE(s.Vazio());
    s.AdicionaCartao(Cartao(kNumero));
    s.AdicionaCartao(Cartao("6362970000001234560", ";6362970000001234560=31121010000000000?"));
    s.AdicionaSenha(kSenha);
    s.AdicionaSenha("739146");
    EXPECT_FALSE(s.Vazio());

    const QString numero = s.Procura("10104.0=5899990000004321=3001101");
    EXPECT_EQ(numero, QStringLiteral("the number of card 589999******4321"));
    EXPECT_FALSE(Contem(numero, kNumero));
    // A number cut short is not the number.
    EXPECT_TRUE(s.Procura("x 589999000000432 x").isEmpty());
    EXPECT_EQ(s.Procura("[6362970000001234560=31121010000000000]"),
              QStringLiteral("the number of card 636297*********4560"));

    EXPECT_EQ(s.Procura("senha digitada: 4821."), QStringLiteral("PIN 1 of the script"));
    EXPECT_EQ(s.Procura("4821"), QStringLiteral("PIN 1 of the script"));
    EXPECT_EQ(s.Procura("{\"x\":\"739146\"}"), QStringLiteral("PIN 2 of the script"));
    // A PIN inside a longer number is another number.
    EXPECT_TRUE(s.Procura("NSU 148210 valor 04821").isEmpty());

    // What the platform writes, masked, is clean.
    EXPECT_TRUE(s.Procura("LerCartao \"CARTAO\" cartao 589999******4321 tarja rede 805 ****").isEmpty());
    EXPECT_TRUE(s.Procura("").isEmpty());
}

TEST(Segredos, ApontaOsArquivosDaPastaQueGuardamUmSegredo) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    auto escreve = [&](const QString& nome, const QByteArray& conteudo) {
        QFile f(QDir(pasta.path()).filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    };
    ASSERT_TRUE(QDir(pasta.path()).mkdir(QStringLiteral("sub")));
    escreve(QStringLiteral("CBAudit.log"), "2026-01-01 10:00:00.000 LerCartao cartao 589999******4321\n");
    escreve(QStringLiteral("CBResultado.txt"), "1009.0=00\n10104.0=5899990000004321=3001101\n");
    escreve(QStringLiteral("sub/anotacao.txt"), "senha 4821\n");

    Segredos s;
    s.AdicionaCartao(Cartao(kNumero));
    s.AdicionaSenha(kSenha);
    QStringList achados = s.ProcuraNaPasta(pasta.path());
    achados.sort();
    EXPECT_EQ(achados, (QStringList{QStringLiteral("CBResultado.txt: the number of card 589999******4321"),
                                    QStringLiteral("anotacao.txt: PIN 1 of the script")}));
}

// cb-till on a script written into the test's folder, with a fresh host folder of its own.
class Roteiro : public ::testing::Test {
protected:
    struct Saida {
        int status = -1;
        QString texto; // stdout, stderr and the transcript when one is asked for
    };

    Saida Roda(const QByteArray& script) {
        EXPECT_TRUE(pasta_.isValid());
        const QString arquivo = QDir(pasta_.path()).filePath(QStringLiteral("roteiro.json"));
        const QString linhas = QDir(pasta_.path()).filePath(QStringLiteral("transcricao.jsonl"));
        QFile f(arquivo);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(script);
        f.close();
        QFile::remove(linhas); // an earlier run's transcript must not answer for this one
        QProcess till;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.remove(QStringLiteral("CB_HOST_DIR"));
        till.setProcessEnvironment(ambiente);
        QStringList argumentos{QStringLiteral("--script"), arquivo};
        if (transcricao_) argumentos << QStringLiteral("--transcript") << linhas;
        till.start(QStringLiteral(CB_TILL), argumentos);
        Saida s;
        if (!till.waitForFinished(60000)) {
            till.kill();
            till.waitForFinished();
            return s;
        }
        s.status = till.exitStatus() == QProcess::NormalExit ? till.exitCode() : -1;
        s.texto = QString::fromUtf8(till.readAllStandardOutput() + till.readAllStandardError());
        QFile t(linhas);
        if (t.open(QIODevice::ReadOnly)) s.texto += QString::fromUtf8(t.readAll());
        return s;
    }

    QTemporaryDir pasta_;
    bool transcricao_ = true;
};

// The till itself, on scripts whose PIN pad answers hold a card and a PIN.
class RoteiroComSegredos : public Roteiro {};

TEST_F(RoteiroComSegredos, SegredoPlantadoFalhaSemAparecer) {
    const Saida s = Roda(R"J({
      "pinpad": {"senhas": ["4821", null],
                 "cartoes": [{"descricao": "Plantado", "numero": "5899990000004321", "validade": "3001"}],
                 "cartao": "Plantado"},
      "arquivos": {"anotacao.txt": "o cliente digitou 4821"},
      "chamadas": [{"entrada": "ObtemVersao", "versao": {"modulo": "5899990000004321"}}]
    })J");
    EXPECT_EQ(s.status, 1);
    EXPECT_TRUE(s.texto.contains(QStringLiteral("after call 0: anotacao.txt: PIN 1 of the script")));
    EXPECT_TRUE(
        s.texto.contains(QStringLiteral("held the number of card 589999******4321; the line is withheld")));
    EXPECT_FALSE(Contem(s.texto, kNumero));
    EXPECT_FALSE(Contem(s.texto, kSenha));
}

TEST_F(RoteiroComSegredos, RoteiroLimpoPassaEChavesErradasParam) {
    const Saida limpo = Roda(R"J({
      "pinpad": {"senhas": ["4821"], "cartao": 1, "analises": [0, 3], "confirmacoes": [true, false],
                 "falhaPorta": false, "falhaBins": false, "adviceOffLine": true},
      "chamadas": [{"entrada": "ObtemVersao", "pinpad": {"cartao": "Visa Electron (chip)", "senhas": [null]}}]
    })J");
    EXPECT_EQ(limpo.status, 0) << limpo.texto.toStdString();

    for (const char* errado : {R"J({"pinpad": {"senha": "4821"}, "chamadas": []})J",
                               R"J({"pinpad": {"senhas": ["48"]}, "chamadas": []})J",
                               R"J({"pinpad": {"cartao": "Cartao que nao existe"}, "chamadas": []})J",
                               R"J({"pinpad": {"cartoes": [{"numero": "12"}]}, "chamadas": []})J",
                               R"J({"pinpad": {"falhaPorta": 1}, "chamadas": []})J"}) {
        const Saida s = Roda(errado);
        EXPECT_EQ(s.status, 2) << errado;
        EXPECT_TRUE(s.texto.contains(QStringLiteral("pinpad"))) << errado;
    }
}

// What the till itself says, without a transcript.
class RoteiroArquivosFinais : public Roteiro {
protected:
    RoteiroArquivosFinais() { transcricao_ = false; }
};

// The restoration batch runs without a screen and reports, in the result file, that there is nothing to do.
TEST_F(RoteiroArquivosFinais, ConfereLinhasEAusencias) {
    const Saida certo = Roda(R"J({
      "arquivos": {"anotacao.txt": "primeira\r\nsegunda\r\n"},
      "chamadas": [{"entrada": "ExecutaFuncaoADM", "modo": 9, "passos": [],
                    "arquivosFinais": {"CBResultado.txt": ["1009.0=255", "1027.0=Nenhum limite a restabelecer"],
                                       "anotacao.txt": ["segunda", "primeira"],
                                       "RestabeleceLimite.ini": null}}]
    })J");
    EXPECT_EQ(certo.status, 0) << certo.texto.toStdString();

    const Saida errado = Roda(R"J({
      "arquivos": {"anotacao.txt": "primeira\nsegunda\n"},
      "chamadas": [{"entrada": "ExecutaFuncaoADM", "modo": 9, "passos": [],
                    "arquivosFinais": {"CBResultado.txt": ["1009.0=00"], "anotacao.txt": ["segund"],
                                       "outro.txt": [], "RestabeleceLimite.ini": null}},
                   {"entrada": "ExecutaFuncaoADM", "modo": 9, "passos": [],
                    "arquivosFinais": {"anotacao.txt": null}}]
    })J");
    EXPECT_EQ(errado.status, 1);
    EXPECT_TRUE(
        errado.texto.contains(QStringLiteral("call 0: file CBResultado.txt has no line \"1009.0=00\"")))
        << errado.texto.toStdString();
    EXPECT_TRUE(errado.texto.contains(QStringLiteral("call 0: file anotacao.txt has no line \"segund\"")));
    EXPECT_TRUE(errado.texto.contains(QStringLiteral("call 0: file outro.txt missing")));
    EXPECT_TRUE(errado.texto.contains(QStringLiteral("call 1: file anotacao.txt exists")));
    EXPECT_FALSE(errado.texto.contains(QStringLiteral("RestabeleceLimite.ini exists")));
}

} // namespace
