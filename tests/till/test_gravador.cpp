// The till's window with --record: two bill payments typed into the module's screens from the keyboard, the
// second by debit card with the card picked in the Cartão menu and a PIN typed on the PIN pad, are written as
// an operator script that cb-till --script replays to the same results; the customer's PIN is nowhere in it.
#include "Gravador.h"
#include "JanelaPinpad.h"
#include "JanelaPrincipal.h"
#include "Modulo.h"
#include "Piloto.h"
#include "ServidorSimulado.h"
#include "Teclado.h"

#include "basekit.h"
#include "vortasim.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr char kSenhaDigitada[] = "7395";

// One call from the window's button, its screens driven by the steps; true when every step was taken.
bool ChamaPelaJanela(JanelaPrincipal& janela, QList<Piloto::Passo> passos, QString& erro) {
    Piloto piloto(std::move(passos));
    piloto.Inicia();
    janela.findChild<QPushButton*>(QStringLiteral("btGenerico"))->setFocus();
    Teclado::Envia(&janela, Teclado::Tecla{Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")});
    erro = piloto.Erro();
    return piloto.Terminou() && erro.isEmpty();
}

TEST(Gravador, OQueOOperadorFazNaJanelaSeReproduz) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    setenv("CB_HOST_DIR", QFile::encodeName(pasta.path()).constData(), 1);
    VortaSimReinicia();
    QFile ini(QDir(pasta.path()).filePath(QStringLiteral("ClienteTrn.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[CorrespondenteBancario]\nConsultaSaldoCB=1\nDepositoCB=1\nSaqueCB=1\nPagamentoDiversosCB=1\n");
    ini.close();
    ServidorSimulado servidor;
    QString erro;
    ASSERT_TRUE(servidor.Inicia(QStringLiteral(CB_CENARIO), false, &erro)) << erro.toStdString();
    Modulo modulo(Modulo::CaminhoPadrao());
    ASSERT_TRUE(modulo.Carrega()) << modulo.Erro().toStdString();
    const QString arquivo = QDir(pasta.path()).filePath(QStringLiteral("gravado.json"));
    {
        Gravador gravador(arquivo, pasta.path());
        JanelaPrincipal janela(modulo, servidor, QStringLiteral(CB_CENARIO), std::chrono::seconds(10),
                               &gravador);
        janela.show();
        ASSERT_TRUE(Teclado::EsperaAtiva(&janela));
        // Each bill brings its own amount: the host clears what the last call left.
        janela.findChild<QPlainTextEdit*>(QStringLiteral("camposEntrada"))
            ->setPlainText(QStringLiteral("1040=\n1041=\n1003="));
        // The customer at the PIN pad: swipes the card the menu picked, types the PIN, confirms.
        JanelaPinpad* pinpad = janela.Pinpad();
        QObject::connect(pinpad, &JanelaPinpad::pedidoIniciado, pinpad, [pinpad](int pedido) {
            QTimer::singleShot(0, pinpad, [pinpad, pedido] {
                if (pedido == VORTASIM_PINPAD_CARTAO)
                    pinpad->findChild<QPushButton*>(QStringLiteral("btPassar"))->click();
                if (pedido == VORTASIM_PINPAD_SENHA) Teclado::Digita(pinpad, QLatin1String(kSenhaDigitada));
                Teclado::Envia(pinpad, Teclado::Interpreta(QStringList{QStringLiteral("<Enter>")}));
            });
        });

        QList<Piloto::Passo> dinheiro =
            PassosAteFormaDePagamento(QStringLiteral("82660000000874500150000123456789012345678901"));
        dinheiro << Piloto::Passo{QStringLiteral("TFrmMnu_For"), {QStringLiteral("1")}}
                 << Piloto::Passo{QStringLiteral("TFrmPgt_Din"),
                                  {QStringLiteral("100,00"), QStringLiteral("<Enter>")}}
                 << Piloto::Passo{{}, {QStringLiteral("<Enter>")}, true};
        ASSERT_TRUE(ChamaPelaJanela(janela, dinheiro, erro)) << erro.toStdString();

        for (QAction* a : janela.findChild<QMenu*>(QStringLiteral("menuCartao"))->actions()) {
            if (a->text().contains(QStringLiteral("Débito Bradesco (tarja)"))) a->trigger();
        }
        QList<Piloto::Passo> debito =
            PassosAteFormaDePagamento(QStringLiteral("84890000001299001190000555444333222111000999"));
        debito << Piloto::Passo{QStringLiteral("TFrmMnu_For"), {QStringLiteral("4")}};
        ASSERT_TRUE(ChamaPelaJanela(janela, debito, erro)) << erro.toStdString();
    }
    modulo.Descarrega();
    unsetenv("CB_HOST_DIR");

    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray texto = f.readAll();
    EXPECT_FALSE(texto.contains(kSenhaDigitada));
    const QJsonArray chamadas =
        QJsonDocument::fromJson(texto).object().value(QStringLiteral("chamadas")).toArray();
    ASSERT_EQ(chamadas.size(), 2) << texto.toStdString();
    EXPECT_EQ(chamadas.at(0)[QStringLiteral("resultado")][QStringLiteral("1009")], QStringLiteral("00"));
    EXPECT_EQ(chamadas.at(1)[QStringLiteral("resultado")][QStringLiteral("1009")], QStringLiteral("00"));
    const QJsonValue pinpad = chamadas.at(1)[QStringLiteral("pinpad")];
    EXPECT_EQ(pinpad[QStringLiteral("cartao")], QStringLiteral("Débito Bradesco (tarja)"));
    EXPECT_EQ(chamadas.at(1)[QStringLiteral("campos")][QStringLiteral("1003")], QStringLiteral(""));
    EXPECT_EQ(pinpad[QStringLiteral("senhas")], QJsonArray{QLatin1String(Gravador::kSenhaGravada)});

    // The replay: a fresh host folder, the same screens, keys and results.
    QProcess till;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove(QStringLiteral("CB_HOST_DIR"));
    till.setProcessEnvironment(ambiente);
    till.start(QStringLiteral(CB_TILL), {QStringLiteral("--script"), arquivo, QStringLiteral("--quiet")});
    ASSERT_TRUE(till.waitForFinished(60000));
    EXPECT_EQ(till.exitCode(), 0)
        << (till.readAllStandardOutput() + till.readAllStandardError()).toStdString() << texto.toStdString();
}

// The window's field panel reads the fields as the transcript shows them: a secret field, or any value that
// looks like a card number, as one '*' per byte; the rest as it is.
TEST(Gravador, PainelDeCamposMascaraComoATranscricao) {
    VortaSimReinicia();
    const struct {
        int campo;
        const char* valor;
        const char* mostrado;
    } casos[] = {{10146, "0123456789ABCDEF", "****************"},
                 {10290, "12345", "*****"},
                 {20018, "CARTAO: 4174 0000 1234 5676", "***************************"},
                 {1041, "4174000012345676", "****************"},
                 {1003, "8745", "8745"},
                 {1027, "Pagamento efetuado", "Pagamento efetuado"}};
    for (const auto& c : casos)
        GravaCampoString(c.campo, 0, c.valor);
    std::map<int, std::string> vistos;
    VortaSimVisitaCamposMascarados(
        [](int campo, int, const char* valor, int tamanho, void* contexto) {
            (*static_cast<std::map<int, std::string>*>(contexto))[campo].assign(valor,
                                                                                static_cast<size_t>(tamanho));
        },
        &vistos);
    for (const auto& c : casos)
        EXPECT_EQ(vistos[c.campo], c.mostrado) << c.campo;
    VortaSimReinicia();
}

} // namespace
