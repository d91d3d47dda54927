// What an operator script checks in the host folder after a call: the lines a file must hold, or that it must
// not be there. A script whose file lacks a line, or holds a file it should not, fails and says which.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Saida {
    int status = -1;
    QString texto; // stdout and stderr
};

Saida Roda(const QTemporaryDir& pasta, const QByteArray& script) {
    const QString arquivo = QDir(pasta.path()).filePath(QStringLiteral("roteiro.json"));
    QFile f(arquivo);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(script);
    f.close();
    QProcess till;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove(QStringLiteral("CB_HOST_DIR")); // a fresh host folder of its own
    till.setProcessEnvironment(ambiente);
    till.start(QStringLiteral(CB_TILL), {QStringLiteral("--script"), arquivo});
    Saida s;
    if (!till.waitForFinished(60000)) {
        till.kill();
        till.waitForFinished();
        return s;
    }
    s.status = till.exitStatus() == QProcess::NormalExit ? till.exitCode() : -1;
    s.texto = QString::fromUtf8(till.readAllStandardOutput() + till.readAllStandardError());
    return s;
}

// The restoration batch runs without a screen and reports, in the result file, that there is nothing to do.
TEST(RoteiroArquivosFinais, ConfereLinhasEAusencias) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const Saida certo = Roda(pasta, R"J({
      "arquivos": {"anotacao.txt": "primeira\r\nsegunda\r\n"},
      "chamadas": [{"entrada": "ExecutaFuncaoADM", "modo": 9, "passos": [],
                    "arquivosFinais": {"CBResultado.txt": ["1009.0=255", "1027.0=Nenhum limite a restabelecer"],
                                       "anotacao.txt": ["segunda", "primeira"],
                                       "RestabeleceLimite.ini": null}}]
    })J");
    EXPECT_EQ(certo.status, 0) << certo.texto.toStdString();

    const Saida errado = Roda(pasta, R"J({
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
