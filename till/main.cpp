// cb-till: the stand-in host. With --script it runs an operator script headless and prints its transcript;
// with --monkey it plays random operator sessions headless; with --pinpad-screenshot it saves a picture of
// the PIN pad during a PIN entry; otherwise it opens the till's window.
#include "CartoesPinpad.h"
#include "JanelaPinpad.h"
#include "JanelaPrincipal.h"
#include "Macaco.h"
#include "Modulo.h"
#include "Roteiro.h"
#include "ServidorSimulado.h"

#include "Servidor.h"

#include "hostlink.h"
#include "padkit.h"
#include "vortasim.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>

namespace {

// The scenario's cards on the simulated PIN pad; with an external server, those of the scenario file.
QList<CartaoPinpad> CartoesNoPinpad(const ServidorSimulado& servidor, const QString& cenario) {
    std::vector<cbserver::CartaoCenario> cartoes;
    if (servidor.Servidor()) {
        cartoes = servidor.Servidor()->Cartoes();
    } else {
        cbserver::Servidor leitor;
        if (leitor.CarregaCenario(cenario)) cartoes = leitor.Cartoes();
    }
    QList<CartaoPinpad> lista = CarregaCartoesPinpad(cartoes);
    ApagaCartoes(cartoes);
    return lista;
}

// The PIN pad as a person sees it during a PIN entry: a chip card of the scenario inserted, four digits
// typed, the display showing "****". Saved as an image, then the entry is confirmed and the card removed.
int FotografaPinpad(const QString& arquivo, const QString& cenario) {
    ServidorSimulado servidor;
    QString erro;
    if (!servidor.Inicia(cenario, false, &erro)) {
        std::fprintf(stderr, "cb-till: %s\n", qPrintable(erro));
        return 1;
    }
    const QList<CartaoPinpad> cartoes = CartoesNoPinpad(servidor, cenario);
    if (cartoes.isEmpty()) {
        std::fprintf(stderr, "cb-till: the scenario has no cards\n");
        return 1;
    }
    qsizetype escolhido = 0;
    while (escolhido < cartoes.size() - 1 && !cartoes.at(escolhido).chip)
        ++escolhido;

    JanelaPinpad janela;
    janela.DefineCartoes(cartoes);
    janela.DefinePrazo(std::chrono::seconds(10)); // nothing here waits for a person
    janela.Instala();
    janela.show();
    bool salvo = false;
    QObject::connect(&janela, &JanelaPinpad::pedidoIniciado, &janela, [&](int pedido) {
        QTimer::singleShot(0, &janela, [&, pedido] {
            auto tecla = [&](int codigo, const QString& texto) {
                QKeyEvent evento(QEvent::KeyPress, codigo, Qt::NoModifier, texto);
                QApplication::sendEvent(&janela, &evento);
            };
            if (pedido == VORTASIM_PINPAD_CARTAO) {
                janela.findChild<QListWidget*>(QStringLiteral("listaCartoes"))
                    ->setCurrentRow(static_cast<int>(escolhido));
                janela
                    .findChild<QPushButton*>(cartoes.at(escolhido).chip ? QStringLiteral("btInserir")
                                                                        : QStringLiteral("btPassar"))
                    ->click();
            } else if (pedido == VORTASIM_PINPAD_SENHA) {
                for (const char d : {'2', '5', '8', '0'})
                    tecla(Qt::Key_0 + (d - '0'), QString(QLatin1Char(d)));
                salvo = janela.grab().save(arquivo);
                tecla(Qt::Key_Return, QStringLiteral("\r"));
            }
        });
    });
    const bool lido = LerCartao(0, 0, "INSIRA OU PASSE O CARTAO") == PAD_OK;
    if (lido) LerSenha(0, "DIGITE A SENHA", "", 0, "Teste do PIN pad");
    RemoveCartao();
    for (const int campo : {10104, 10109, 10146, 10243})
        HostlinkLimpaCampo(campo);
    if (!salvo) std::fprintf(stderr, "cb-till: could not save %s\n", qPrintable(arquivo));
    return salvo ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    bool roteiro = false;
    for (int i = 1; i < argc; ++i)
        roteiro = roteiro || qstrcmp(argv[i], "--script") == 0 || qstrcmp(argv[i], "--monkey") == 0 ||
                  qstrcmp(argv[i], "--pinpad-screenshot") == 0;
    // Scripts run headless unless a platform is chosen explicitly.
    if (roteiro && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cb-till"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated till for the correspondent module"));
    parser.addHelpOption();
    QCommandLineOption script(QStringLiteral("script"), QStringLiteral("Run an operator script headless."),
                              QStringLiteral("FILE"));
    QCommandLineOption telas(QStringLiteral("screens"), QStringLiteral("Save a screenshot of every screen."),
                             QStringLiteral("DIR"));
    QCommandLineOption transcricao(QStringLiteral("transcript"), QStringLiteral("Write the transcript here."),
                                   QStringLiteral("FILE"));
    QCommandLineOption cenario(QStringLiteral("scenario"),
                               QStringLiteral("Bank scenario of the simulated server."),
                               QStringLiteral("FILE"));
    QCommandLineOption servidor(
        QStringLiteral("server"),
        QStringLiteral("Use the payment server at HOST:PORT (cb-server) instead of the "
                       "simulated server in this process."),
        QStringLiteral("HOST:PORT"));
    QCommandLineOption silencioso(QStringLiteral("quiet"), QStringLiteral("Print failures only."));
    QCommandLineOption fotoPinpad(
        QStringLiteral("pinpad-screenshot"),
        QStringLiteral("Save a picture of the PIN pad during a PIN entry (headless) and exit."),
        QStringLiteral("FILE"));
    QCommandLineOption prazoPinpad(
        QStringLiteral("pinpad-timeout"),
        QStringLiteral("How long the PIN pad waits for the customer, in seconds (default 120)."),
        QStringLiteral("SECONDS"), QStringLiteral("120"));
    QCommandLineOption macaco(
        QStringLiteral("monkey"),
        QStringLiteral(
            "Play N random operator sessions against the simulated server (headless); failures are "
            "saved as operator scripts."),
        QStringLiteral("N"));
    QCommandLineOption semente(
        QStringLiteral("seed"),
        QStringLiteral("Seed of --monkey's decisions (default: a random one, printed)."),
        QStringLiteral("S"));
    QCommandLineOption saidaMacaco(QStringLiteral("monkey-out"),
                                   QStringLiteral("Folder for --monkey's replay scripts (default: here)."),
                                   QStringLiteral("DIR"), QStringLiteral("."));
    parser.addOptions({script, telas, transcricao, cenario, servidor, silencioso, fotoPinpad, prazoPinpad,
                       macaco, semente, saidaMacaco});
    parser.process(app);
    // Installed, the scenarios are in the data folder beside the programs' one; in the build tree, in the
    // sources.
    const QString cenarioInstalado =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(CB_CENARIO_INSTALADO));
    const QString arquivoCenario = parser.isSet(cenario)             ? parser.value(cenario)
                                   : QFile::exists(cenarioInstalado) ? cenarioInstalado
                                                                     : QStringLiteral(CB_CENARIO_PADRAO);
    bool prazoValido = false;
    const int segundosPinpad = parser.value(prazoPinpad).toInt(&prazoValido);
    if (!prazoValido || segundosPinpad <= 0) {
        std::fprintf(stderr, "cb-till: --pinpad-timeout takes a positive number of seconds\n");
        return 2;
    }

    if (parser.isSet(fotoPinpad)) return FotografaPinpad(parser.value(fotoPinpad), arquivoCenario);

    if (parser.isSet(macaco)) {
        bool ok = false, sementeOk = true;
        const int sessoes = parser.value(macaco).toInt(&ok);
        const quint32 s = parser.isSet(semente) ? parser.value(semente).toUInt(&sementeOk)
                                                : QRandomGenerator::system()->generate();
        if (!ok || sessoes <= 0 || !sementeOk || parser.isSet(servidor)) {
            std::fprintf(stderr,
                         "cb-till: --monkey takes a positive number of sessions, --seed a number, and "
                         "plays against the server of this process only\n");
            return 2;
        }
        Macaco m({sessoes, s, parser.value(saidaMacaco), arquivoCenario, parser.value(transcricao)});
        return m.Executa();
    }
    if (parser.isSet(script)) {
        Roteiro r({parser.value(script),
                   parser.value(telas),
                   parser.value(transcricao),
                   parser.isSet(silencioso),
                   arquivoCenario,
                   parser.value(servidor),
                   {}});
        return r.Executa();
    }
    ServidorSimulado servidorPagamentos;
    QString erro;
    const bool conectado = parser.isSet(servidor)
                               ? servidorPagamentos.ConectaExterno(parser.value(servidor), &erro)
                               : servidorPagamentos.Inicia(arquivoCenario, false, &erro);
    if (!conectado) {
        std::fprintf(stderr, "cb-till: %s\n", qPrintable(erro));
        return 1;
    }
    Modulo modulo(Modulo::CaminhoPadrao());
    if (!modulo.Carrega()) {
        std::fprintf(stderr, "cb-till: %s\n", qPrintable(modulo.Erro()));
        return 1;
    }
    JanelaPrincipal janela(modulo, CartoesNoPinpad(servidorPagamentos, arquivoCenario),
                           std::chrono::seconds(segundosPinpad));
    janela.show();
    const int rc = app.exec();
    modulo.Descarrega();
    return rc;
}
