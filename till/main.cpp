// cb-till: the stand-in host. With --script it runs an operator script headless and prints its transcript;
// otherwise it opens the till's window.
#include "JanelaPrincipal.h"
#include "Modulo.h"
#include "Roteiro.h"
#include "ServidorSimulado.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv) {
    bool roteiro = false;
    for (int i = 1; i < argc; ++i)
        roteiro = roteiro || qstrcmp(argv[i], "--script") == 0;
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
    parser.addOptions({script, telas, transcricao, cenario, servidor, silencioso});
    parser.process(app);
    const QString arquivoCenario =
        parser.isSet(cenario) ? parser.value(cenario) : QStringLiteral(CB_CENARIO_PADRAO);

    if (parser.isSet(script)) {
        Roteiro r({parser.value(script), parser.value(telas), parser.value(transcricao),
                   parser.isSet(silencioso), arquivoCenario, parser.value(servidor)});
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
    JanelaPrincipal janela(modulo);
    janela.show();
    const int rc = app.exec();
    modulo.Descarrega();
    return rc;
}
