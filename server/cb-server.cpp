// cb-server: the simulated payment server on TCP, for a till or a test in another process.
//   cb-server --listen 127.0.0.1:PORT --scenario FILE [--db FILE]
// Port 0 picks a free port. With --db the bank lives in that SQLite file, so a restart loses nothing;
// without it, in memory. The address it listens on is printed as the first line of standard output
// ("HOST:PORT"); it serves until SIGINT or SIGTERM.
#include "Escuta.h"
#include "Servidor.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <pthread.h>

int main(int argc, char** argv) {
    // Blocked before any thread starts, so the listener's thread inherits the mask and main alone takes them.
    sigset_t sinais;
    sigemptyset(&sinais);
    sigaddset(&sinais, SIGINT);
    sigaddset(&sinais, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &sinais, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cb-server"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated payment server of the correspondent module"));
    parser.addHelpOption();
    const QCommandLineOption escuta(QStringLiteral("listen"),
                                    QStringLiteral("Address and port to listen on."),
                                    QStringLiteral("HOST:PORT"));
    const QCommandLineOption cenario(QStringLiteral("scenario"), QStringLiteral("Bank scenario (JSON)."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption banco(
        QStringLiteral("db"), QStringLiteral("Keep the bank in this SQLite file (created when missing)."),
        QStringLiteral("FILE"));
    parser.addOptions({escuta, cenario, banco});
    parser.process(app);
    if (!parser.isSet(escuta) || !parser.isSet(cenario)) {
        std::fprintf(stderr, "cb-server: --listen and --scenario are required\n");
        return 2;
    }

    const QString endereco = parser.value(escuta);
    const qsizetype doisPontos = endereco.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const uint porta = endereco.mid(doisPontos + 1).toUInt(&ok);
    QString host = endereco.left(doisPontos);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    if (doisPontos <= 0 || !ok || porta > 65535) {
        std::fprintf(stderr, "cb-server: --listen takes HOST:PORT\n");
        return 2;
    }

    cbserver::Servidor servidor;
    QString erro;
    if (!servidor.CarregaCenario(parser.value(cenario), &erro)) {
        std::fprintf(stderr, "cb-server: %s\n", qPrintable(erro));
        return 1;
    }
    if (parser.isSet(banco) && !servidor.AbreBanco(parser.value(banco), &erro)) {
        std::fprintf(stderr, "cb-server: %s\n", qPrintable(erro));
        return 1;
    }
    cbserver::Escuta listener(servidor);
    std::string motivo;
    if (!listener.Inicia(host.toStdString(), static_cast<uint16_t>(porta), &motivo)) {
        std::fprintf(stderr, "cb-server: %s\n", motivo.c_str());
        return 1;
    }
    std::printf("%s:%u\n", qPrintable(host), static_cast<unsigned>(listener.Porta()));
    std::fflush(stdout);

    int sinal = 0;
    sigwait(&sinais, &sinal);
    listener.Para();
    return 0;
}
