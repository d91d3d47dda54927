// cb-bench: the module's figures as a host sees them. It loads libcorrespondente.so with dlopen, as the till
// does, and prints, each figure from its own file (Figuras.h):
//   1. load + Initialize (and Finalize + unload), beside a plain dlopen of the same file;
//   2. the time from ExecutaGenerico(0, 0) to the banking menu on screen, beside a bare QDialog that holds
//      the same widgets;
//   3. the resident memory before and after a long series of calls that each stop at the first menu;
//   4. and 5., the server protocol (FigurasProtocolo.h): the parameter-load walk and a parameter load end to
//      end, on the module's objects linked into the bench;
//   6. the time from the operator's "1" on the banking menu to the payments menu on screen, beside bare
//      copies of both menus, the first running the second with exec() on its "&1";
//   7. a whole bill payment in cash against the in-process simulated server, each screen transition timed
//      from the operator's key to the next screen on screen, beside the same keys on bare copies of those
//      screens;
//   8. the same first calls cold: load + Initialize, the first menu and the first bill payment, each in a
//      fresh process, beside fresh processes of bare copies (FiguraFria.cpp; --cold runs it alone).
// With --day [N] it plays a day at the till instead (FiguraDia.cpp): N calls (10,000 by default) of mixed
// operator scripts in one process, with the heap and resident memory they leave behind.
// With --scripts DIR it replays every operator script of the folder instead, timing every screen transition
// (FiguraRoteiros.cpp). --json FILE writes the figures as JSON as well; --compare FILE prints each figure's
// ratio to the same figure of an earlier run's JSON file.
// It only prints figures: nothing here passes or fails on a time. Every wait has a deadline, so a module that
// never shows a menu it is expected to show, or never returns, ends the run with a message and a non-zero
// status.

#include "Figuras.h"
#include "FigurasProtocolo.h"

#include "vortasim.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

using namespace cbbench;

namespace {

constexpr int kRodadasPadrao = 50;
constexpr int kChamadasPadrao = 1000;
constexpr int kRodadasProtocoloPadrao = 200;
constexpr int kRodadasPisoPadrao = 5;
constexpr int kProcessosFriosPadrao = 10;
constexpr int kChamadasDiaPadrao = 10000;

// The offscreen platform says, for every message box it shows, that it cannot pass on size hints: figure 7
// shows one per payment, and the line says nothing about the module.
QtMessageHandler tratadorAnterior = nullptr;

void filtraAvisos(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtWarningMsg && texto == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (tratadorAnterior) tratadorAnterior(tipo, contexto, texto);
}

bool temPlataformaNaLinha(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (a[0] == '-' && a[1] == '-') ++a;
        if (std::strcmp(a, "-platform") == 0 || std::strcmp(a, "-display") == 0) return true;
    }
    return false;
}

int leInteiro(const QCommandLineParser& parser, const QCommandLineOption& opcao, int padrao) {
    if (!parser.isSet(opcao)) return padrao;
    bool ok = false;
    const int v = parser.value(opcao).toInt(&ok);
    if (!ok || v < 1) {
        std::fprintf(stderr, "cb-bench: --%s takes a whole number of at least 1\n",
                     qPrintable(opcao.names().constFirst()));
        std::exit(2);
    }
    return v;
}

// The seven figures, in the order that keeps them independent of one another.
void figurasDoModulo(Vigia& vigia, int rodadas, int chamadas, int rodadasProtocolo) {
    const FiguraCarga carga = MedeCarga(vigia, rodadas);

    Observador observador(vigia);
    qApp->installEventFilter(&observador);
    vigia.arma("dlopen + Initialize");
    Bancada bancada{vigia, observador, abreModulo()};
    bancada.modulo.initialize();
    vigia.desarma();
    VortaSimReinicia();
    VortaSimDefineObservador(&observa, &bancada);
    FiguraMenu menu = PrimeiraChamadaMenu(bancada);
    FiguraMemoria memoria = MedeMemoria(bancada, menu.planta, chamadas);
    CronometraMenu(bancada, menu, rodadas);
    MedeCacheMemoria(bancada, memoria);
    const FiguraPagamentos pagamentos = MedePagamentos(bancada, menu, rodadas);
    vigia.arma("Finalize + dlclose");
    bancada.modulo.finalize();
    fechaModulo(bancada.modulo);
    vigia.desarma();
    qApp->removeEventFilter(&observador);
    VortaSimDefineObservador(nullptr, nullptr);

    // 4 and 5, on the module's objects linked into the bench.
    FigurasProtocolo protocolo;
    try {
        protocolo =
            MedeProtocolo(rodadasProtocolo, {[&vigia](std::string fase) { vigia.arma(std::move(fase)); },
                                             [&vigia] { vigia.desarma(); }});
    } catch (const std::exception& e) {
        falha(e.what());
    }

    ImprimeCarga(carga);
    ImprimeMenu(menu);
    ImprimeMemoria(memoria);
    ImprimeProtocolo(protocolo);
    ImprimePagamentos(pagamentos, menu.modulo);
    std::fflush(stdout);

    FiguraConta(vigia, observador, rodadas);
}

QString pastaScripts() {
    return QStringLiteral(CB_FONTE "/tests/sessions");
}

} // namespace

int main(int argc, char** argv) {
    // Offscreen unless a platform or a display is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !temPlataformaNaLinha(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    tratadorAnterior = qInstallMessageHandler(filtraAvisos);

    // The host's application object exists before the module is called, as in the till.
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QCoreApplication::setApplicationName(QStringLiteral("cb-bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Figures of the banking-correspondent module, loaded as "
                       "a host loads it: load + Initialize, entry point to "
                       "the first menu on screen, resident memory over many "
                       "calls, the server protocol, a key in the banking "
                       "menu to the payments menu on screen, a whole bill "
                       "payment, the first calls cold; or every screen transition of the operator "
                       "scripts of a folder. Offscreen "
                       "unless -platform or -display is given."));
    parser.addHelpOption();
    const QCommandLineOption opRodadas(
        QStringLiteral("runs"),
        QStringLiteral("Timed repetitions of figures 1, 2, 6 and 7 (default %1).").arg(kRodadasPadrao),
        QStringLiteral("N"));
    const QCommandLineOption opChamadas(QStringLiteral("calls"),
                                        QStringLiteral("Calls of the memory figure, after its warm-up calls "
                                                       "(default %1).")
                                            .arg(kChamadasPadrao),
                                        QStringLiteral("N"));
    const QCommandLineOption opRodadasProtocolo(
        QStringLiteral("protocol-runs"),
        QStringLiteral("Timed repetitions of figures 4 and 5 (default %1).").arg(kRodadasProtocoloPadrao),
        QStringLiteral("N"));
    const QCommandLineOption opRoteiros(
        QStringLiteral("scripts"),
        QStringLiteral("Replay every operator script (*.json) of DIR instead of the figures, timing "
                       "every screen transition."),
        QStringLiteral("DIR"));
    const QCommandLineOption opRodadasPiso(
        QStringLiteral("floor-runs"),
        QStringLiteral("With --scripts: bare copies shown per screen for its floor (default %1).")
            .arg(kRodadasPisoPadrao),
        QStringLiteral("N"));
    const QCommandLineOption opFria(
        QStringLiteral("cold"), QStringLiteral("Only figure 8, the cold first calls in fresh processes."));
    const QCommandLineOption opProcessosFrios(
        QStringLiteral("cold-runs"),
        QStringLiteral("Fresh processes of figure 8, of the module and of its floor each (default %1).")
            .arg(kProcessosFriosPadrao),
        QStringLiteral("N"));
    const QCommandLineOption opDia(
        QStringLiteral("day"),
        QStringLiteral(
            "A day at the till instead of the figures: N calls (the argument, default %1) of mixed "
            "operator scripts in this process, with the memory they leave behind.")
            .arg(kChamadasDiaPadrao));
    const QCommandLineOption opJson(
        QStringLiteral("json"), QStringLiteral("Write the figures as JSON to FILE."), QStringLiteral("FILE"));
    const QCommandLineOption opCompara(
        QStringLiteral("compare"),
        QStringLiteral("Print each figure's ratio to the same figure of an earlier --json FILE."),
        QStringLiteral("FILE"));
    // The child process of --scripts: one script, its transitions written to a file.
    QCommandLineOption opFilho(QStringLiteral("script-child"), QString(), QStringLiteral("FILE"));
    opFilho.setFlags(QCommandLineOption::HiddenFromHelp);
    // The child process of figure 8: "module" or "floor", its times written to --child-out.
    QCommandLineOption opFriaFilho(QStringLiteral("cold-child"), QString(), QStringLiteral("MODE"));
    opFriaFilho.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption opSaidaFilho(QStringLiteral("child-out"), QString(), QStringLiteral("FILE"));
    opSaidaFilho.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addPositionalArgument(QStringLiteral("N"), QStringLiteral("With --day: the calls of the day."),
                                 QStringLiteral("[N]"));
    parser.addOptions({opRodadas, opChamadas, opRodadasProtocolo, opRoteiros, opRodadasPiso, opFria,
                       opProcessosFrios, opDia, opJson, opCompara, opFilho, opFriaFilho, opSaidaFilho});
    parser.process(app);
    const int rodadas = leInteiro(parser, opRodadas, kRodadasPadrao);
    const int chamadas = leInteiro(parser, opChamadas, kChamadasPadrao);
    const int rodadasProtocolo = leInteiro(parser, opRodadasProtocolo, kRodadasProtocoloPadrao);
    const int rodadasPiso = leInteiro(parser, opRodadasPiso, kRodadasPisoPadrao);
    const int processosFrios = leInteiro(parser, opProcessosFrios, kProcessosFriosPadrao);
    int chamadasDia = kChamadasDiaPadrao;
    if (const QStringList posicionais = parser.positionalArguments(); !posicionais.isEmpty()) {
        bool ok = false;
        chamadasDia = posicionais.constFirst().toInt(&ok);
        if (!parser.isSet(opDia) || posicionais.size() > 1 || !ok || chamadasDia < 1) {
            std::fprintf(stderr, "cb-bench: a number of calls is only taken after --day\n");
            return 2;
        }
    }

    if (parser.isSet(opFilho))
        return RoteiroFilho(parser.value(opFilho), QStringLiteral(CB_CENARIO), parser.value(opSaidaFilho),
                            rodadasPiso);

    // A fresh host folder, before anything reads CB_HOST_DIR.
    QTemporaryDir pastaHost(QDir::tempPath() + QStringLiteral("/cb-bench-XXXXXX"));
    if (!pastaHost.isValid()) {
        std::fprintf(stderr, "cb-bench: cannot create a temporary folder: %s\n",
                     qPrintable(pastaHost.errorString()));
        return 1;
    }
    qputenv("CB_HOST_DIR", QFile::encodeName(pastaHost.path()));
    pastaHostMantida = QFile::encodeName(pastaHost.path()).toStdString();

    // Several options enabled in the banking menu and two in the payments menu, so that each waits for the
    // operator instead of opening its only option. The payments menu's two are on by default; they are
    // written all the same, so that figure 6 does not hang on a default.
    {
        QFile ini(pastaHost.filePath(QStringLiteral("ClienteTrn.ini")));
        if (!ini.open(QIODevice::WriteOnly | QIODevice::Text) ||
            ini.write("[CorrespondenteBancario]\nDepositoCB=1\nSaqueCB=1\nPagamentoContas=1\n"
                      "PagamentoCBFininvest=1\n") < 0) {
            std::fprintf(stderr, "cb-bench: cannot write %s\n", qPrintable(ini.fileName()));
            return 1;
        }
    }

    if (parser.isSet(opFriaFilho)) return FriaFilho(parser.value(opFriaFilho), parser.value(opSaidaFilho));

    std::printf("cb-bench: module %s\n", CB_MODULO);
    std::printf("cb-bench: Qt %s, platform %s, build %s, host folder %s\n", qVersion(),
                qPrintable(QGuiApplication::platformName()), CB_BENCH_CONFIG, pastaHostMantida.c_str());
    if (!parser.isSet(opRoteiros) && !parser.isSet(opFria) && !parser.isSet(opDia))
        std::printf(
            "cb-bench: %d runs for figures 1, 2, 6 and 7, %d calls for figure 3, %d runs for figures 4 "
            "and 5\n",
            rodadas, chamadas, rodadasProtocolo);
    if (std::strcmp(CB_BENCH_CONFIG, "Release") != 0)
        std::printf("cb-bench: note: not a Release build; the figures are meant for one\n");
    std::printf("\n");
    std::fflush(stdout);

    int falhas = 0;
    if (parser.isSet(opRoteiros)) {
        falhas = FiguraRoteiros(QCoreApplication::applicationFilePath(), parser.value(opRoteiros),
                                QStringLiteral(CB_CENARIO), rodadasPiso);
    } else if (parser.isSet(opDia)) {
        falhas = FiguraDia(pastaScripts(), chamadasDia);
    } else if (parser.isSet(opFria)) {
        FiguraFria(QCoreApplication::applicationFilePath(), processosFrios);
    } else {
        {
            Vigia vigia(pastaHostMantida);
            figurasDoModulo(vigia, rodadas, chamadas, rodadasProtocolo);
        }
        FiguraFria(QCoreApplication::applicationFilePath(), processosFrios);
    }

    QString erro;
    if (parser.isSet(opJson) && !gravaJson(parser.value(opJson), QStringLiteral(CB_BENCH_CONFIG), &erro)) {
        std::fprintf(stderr, "cb-bench: cannot write %s: %s\n", qPrintable(parser.value(opJson)),
                     qPrintable(erro));
        return 1;
    }
    if (parser.isSet(opCompara) && !comparaCom(parser.value(opCompara), &erro)) {
        std::fprintf(stderr, "cb-bench: cannot read %s: %s\n", qPrintable(parser.value(opCompara)),
                     qPrintable(erro));
        return 1;
    }
    std::fflush(stdout);
    pastaHostMantida.clear();
    return falhas == 0 ? 0 : 1;
}
