// cb-till: the stand-in host. With --script it runs an operator script headless and prints its transcript;
// otherwise it opens the till's window.
#include "JanelaPrincipal.h"
#include "Modulo.h"
#include "Roteiro.h"

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
    QCommandLineOption silencioso(QStringLiteral("quiet"), QStringLiteral("Print failures only."));
    parser.addOptions({script, telas, transcricao, cenario, silencioso});
    parser.process(app);

    if (parser.isSet(script)) {
        Roteiro r(
            {parser.value(script), parser.value(telas), parser.value(transcricao), parser.isSet(silencioso)});
        return r.Executa();
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
