// cb-till: the stand-in host. With --script it runs an operator script headless and prints its transcript;
// with --monkey it plays random operator sessions headless; with --pinpad-screenshot it saves a picture of
// the PIN pad during a PIN entry, with --window-screenshots pictures of the window; otherwise it opens the
// till's window (--record writing what the operator does there as an operator script).
#include "CartoesPinpad.h"
#include "Gravador.h"
#include "JanelaPinpad.h"
#include "JanelaPrincipal.h"
#include "Macaco.h"
#include "Modulo.h"
#include "Piloto.h"
#include "Roteiro.h"
#include "ServidorSimulado.h"
#include "Teclado.h"

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
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

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

// A picture of the window beside a module screen, or with one of its menus open, as the README shows them.
QPixmap Composicao(QMainWindow& janela, QWidget* tela, QMenu* menu) {
    const QPixmap fundo = janela.grab();
    const QPixmap extra = tela ? tela->grab() : QPixmap();
    QPixmap quadro(fundo.width() + (tela ? extra.width() + 16 : 0), std::max(fundo.height(), extra.height()));
    quadro.fill(QColor(0x50, 0x50, 0x58));
    QPainter p(&quadro);
    p.drawPixmap(0, 0, fundo);
    if (tela) p.drawPixmap(fundo.width() + 16, 0, extra);
    if (menu) {
        const QRect r = janela.menuBar()->actionGeometry(menu->menuAction());
        p.drawPixmap(janela.menuBar()->mapTo(&janela, r.bottomLeft()), menu->grab());
    }
    return quadro;
}

// Loads the module as the host does; false (with the reason on stderr) when it cannot.
bool CarregaModulo(Modulo& modulo) {
    if (modulo.Carrega()) return true;
    std::fprintf(stderr, "cb-till: %s\n", qPrintable(modulo.Erro()));
    return false;
}

// The window through a bill paid in cash, typed into the module's screens as an operator would: one picture
// beside the payment-method screen, one after the call with the host fields, the request and reply and the
// result file on their panels, and one per menu open. The host folder's ClienteTrn.ini says what the menus
// offer.
int FotografaJanela(const QString& pasta, const QString& cenario) {
    ServidorSimulado servidor;
    QString erro;
    if (!servidor.Inicia(cenario, false, &erro)) {
        std::fprintf(stderr, "cb-till: %s\n", qPrintable(erro));
        return 1;
    }
    Modulo modulo(Modulo::CaminhoPadrao());
    if (!CarregaModulo(modulo)) return 1;
    QDir().mkpath(pasta);
    int salvas = 0, esperadas = 0;
    auto salva = [&](const QPixmap& imagem, const QString& nome) {
        ++esperadas;
        if (imagem.save(QDir(pasta).filePath(nome)))
            ++salvas;
        else
            std::fprintf(stderr, "cb-till: could not save %s\n", qPrintable(nome));
    };
    {
        JanelaPrincipal janela(modulo, servidor, cenario, std::chrono::seconds(10));
        janela.show();
        Teclado::EsperaAtiva(&janela);
        janela.findChild<QPlainTextEdit*>(QStringLiteral("camposEntrada"))
            ->setPlainText(QStringLiteral("1040=\n1041=\n1003="));
        QList<Piloto::Passo> passos =
            PassosAteFormaDePagamento(QStringLiteral("82660000000874500150000123456789012345678901"));
        passos << Piloto::Passo{QStringLiteral("TFrmMnu_For"), {QStringLiteral("1")}}
               << Piloto::Passo{QStringLiteral("TFrmPgt_Din"),
                                {QStringLiteral("100,00"), QStringLiteral("<Enter>")}}
               << Piloto::Passo{{}, {QStringLiteral("<Enter>")}, true};
        Piloto piloto(passos, [&](int passo, QWidget* tela) {
            if (passo != 11) return;
            janela.AtualizaCampos();
            salva(Composicao(janela, tela, nullptr), QStringLiteral("janela-chamada.png"));
        });
        piloto.Inicia();
        // The operator starts the call from the keyboard: the button's key press and release.
        auto* botao = janela.findChild<QPushButton*>(QStringLiteral("btGenerico"));
        botao->setFocus();
        Teclado::Envia(&janela, Teclado::Tecla{Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")});
        if (!piloto.Terminou() || !piloto.Erro().isEmpty()) {
            std::fprintf(stderr, "cb-till: the window's tour stopped: %s\n",
                         qPrintable(piloto.Erro().isEmpty() ? QStringLiteral("steps left") : piloto.Erro()));
            return 1;
        }
        QApplication::processEvents();
        salva(Composicao(janela, nullptr, nullptr), QStringLiteral("janela.png"));
        for (const char* nome : {"menuCenario", "menuFalhas", "menuCartao"}) {
            auto* menu = janela.findChild<QMenu*>(QLatin1String(nome));
            // One switch on, to show how the menu reads then.
            if (qstrcmp(nome, "menuFalhas") == 0) menu->actions().constFirst()->setChecked(true);
            menu->popup(janela.menuBar()->mapToGlobal(
                janela.menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
            QApplication::processEvents();
            salva(Composicao(janela, nullptr, menu),
                  QStringLiteral("janela-%1.png").arg(QString::fromLatin1(nome + 4).toLower()));
            menu->hide();
        }
    }
    modulo.Descarrega();
    return salvas == esperadas ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    bool roteiro = false;
    for (int i = 1; i < argc; ++i)
        roteiro = roteiro || qstrcmp(argv[i], "--script") == 0 || qstrcmp(argv[i], "--monkey") == 0 ||
                  qstrcmp(argv[i], "--pinpad-screenshot") == 0 ||
                  qstrcmp(argv[i], "--window-screenshots") == 0;
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
    QCommandLineOption fotosJanela(
        QStringLiteral("window-screenshots"),
        QStringLiteral("Save pictures of the window, during and after a bill payment and with each menu open "
                       "(headless), and exit."),
        QStringLiteral("DIR"));
    QCommandLineOption grava(
        QStringLiteral("record"),
        QStringLiteral("Write what the operator does in the window as an operator script "
                       "that --script replays."),
        QStringLiteral("FILE"));
    parser.addOptions({script, telas, transcricao, cenario, servidor, silencioso, fotoPinpad, prazoPinpad,
                       macaco, semente, saidaMacaco, fotosJanela, grava});
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
    if (parser.isSet(fotosJanela)) return FotografaJanela(parser.value(fotosJanela), arquivoCenario);

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
    if (!CarregaModulo(modulo)) return 1;
    std::unique_ptr<Gravador> gravador;
    if (parser.isSet(grava)) {
        char dir[4096];
        VortaSimDiretorioHost(dir, sizeof dir);
        gravador = std::make_unique<Gravador>(parser.value(grava), QFile::decodeName(dir));
    }
    int rc = 0;
    {
        JanelaPrincipal janela(modulo, servidorPagamentos, arquivoCenario,
                               std::chrono::seconds(segundosPinpad), gravador.get());
        janela.show();
        rc = app.exec();
    }
    modulo.Descarrega();
    if (gravador && !gravador->Avisos().isEmpty())
        std::fprintf(stderr, "cb-till: %s: review before replaying:\n  %s\n", qPrintable(gravador->Arquivo()),
                     qPrintable(gravador->Avisos().join(QStringLiteral("\n  "))));
    return rc;
}
