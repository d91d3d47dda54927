// Figure 8: the cold first call. Each sample is a fresh process (cb-bench itself, with --cold-child) that
// loads the module and runs Initialize, shows the first banking menu and closes it, then pays a bill
// (figure 7's walk) against the in-process server: nothing warmed beforehand, as a till's first customer of
// the day finds it. The floor is the same in a fresh process of bare copies: a plain dlopen of the file, the
// menu's copy, the payment's copies walked with the same keys. The copies come from the first module process
// (a file of plants), so the floor processes never show one of the module's screens.
#include "Figuras.h"

#include "vortasim.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QWidget>

#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <optional>

namespace cbbench {

namespace {

constexpr double kAlvoRazaoMenu = 2.0;
constexpr int kPrazoFilhoMs = 120000;
// The parent's clock when it started the child, so that the child's times run from its own start.
constexpr char kVariavelInicio[] = "CB_BENCH_INICIO_NS";
constexpr char kPlantas[] = "plantas";

qint64 nsDe(Relogio::time_point t) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

double desdeInicio(Relogio::time_point t) {
    return static_cast<double>(nsDe(t) - qgetenv(kVariavelInicio).toLongLong()) / 1e6;
}

QString arquivoPlantas(const QString& saida) {
    return QFileInfo(saida).dir().filePath(QLatin1String(kPlantas));
}

bool grava(const QString& saida, const QJsonObject& o) {
    QFile f(saida);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(QJsonDocument(o).toJson(QJsonDocument::Compact)) >= 0;
}

// The module's part: load + Initialize, the first menu, the first payment; the copies of their screens for
// the floor when no process wrote them yet.
QJsonObject friaModulo(Vigia& vigia, Observador& observador, const QString& plantasArquivo) {
    vigia.arma("dlopen + Initialize (cold)");
    const auto t0 = Relogio::now();
    Bancada b{vigia, observador, abreModulo()};
    b.modulo.initialize();
    const auto t1 = Relogio::now();
    vigia.desarma();
    VortaSimReinicia();
    VortaSimDefineObservador(&observa, &b);

    std::vector<Planta> plantas;
    observador.aoMostrar = [&plantas](QWidget* menu) {
        if (plantas.empty()) plantas.push_back(copiaMenu(menu));
    };
    const auto antesMenu = Relogio::now();
    const Medida menu = b.chamaMenu("cold first call");

    BancoConta banco;
    banco.renova(b);
    observador.aoMostrar = [&plantas](QWidget* tela) { plantas.push_back(copiaTela(tela)); };
    double total = 0;
    chamaPagamentoConta(b, telasContaModulo(" (cold first payment)"), "cold first payment", &total);
    observador.aoMostrar = nullptr;
    banco.encerra();
    vigia.arma("Finalize + dlclose (cold)");
    b.modulo.finalize();
    fechaModulo(b.modulo);
    vigia.desarma();
    if (plantas.size() != 1 + kTelasConta) falha("the cold payment did not copy every screen");
    if (!QFile::exists(plantasArquivo) && !gravaPlantas(plantasArquivo, plantas))
        falha("cannot write " + plantasArquivo.toStdString());
    return {{QStringLiteral("carga"), emMs(t1 - t0)},
            {QStringLiteral("menu"), menu.ateMenu},
            {QStringLiteral("inicioMenu"), desdeInicio(antesMenu) + menu.ateMenu},
            {QStringLiteral("pagamento"), total}};
}

// The floor's part: the same file opened with nothing called, the menu's bare copy, the payment's copies.
QJsonObject friaPiso(Vigia& vigia, Observador& observador, const QString& plantasArquivo) {
    std::vector<Planta> plantas;
    if (!lePlantas(plantasArquivo, plantas) || plantas.size() != 1 + kTelasConta)
        falha("cannot read the copies in " + plantasArquivo.toStdString());
    vigia.arma("dlopen(RTLD_LAZY) + dlclose (cold floor)");
    const auto t0 = Relogio::now();
    void* h = dlopen(CB_MODULO, RTLD_LAZY | RTLD_LOCAL);
    if (!h) falha("dlopen failed");
    dlclose(h);
    const auto t1 = Relogio::now();
    vigia.desarma();

    Bancada b{vigia, observador, Modulo{}};
    const auto antesMenu = Relogio::now();
    const Medida menu = b.chamaPiso(plantas.front());
    double total = 0;
    chamaPisoPagamentoConta(b, std::vector<Planta>(plantas.begin() + 1, plantas.end()),
                            telasContaPiso(" (cold floor)"), &total);
    return {{QStringLiteral("carga"), emMs(t1 - t0)},
            {QStringLiteral("menu"), menu.ateMenu},
            {QStringLiteral("inicioMenu"), desdeInicio(antesMenu) + menu.ateMenu},
            {QStringLiteral("pagamento"), total}};
}

std::optional<QJsonObject> rodaFilho(const QString& programa, const QString& modo, const QString& saida) {
    QProcess filho;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove(QStringLiteral("CB_HOST_DIR"));
    filho.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    filho.setStandardOutputFile(QProcess::nullDevice());
    QFile::remove(saida);
    ambiente.insert(QLatin1String(kVariavelInicio), QString::number(nsDe(Relogio::now())));
    filho.setProcessEnvironment(ambiente);
    filho.start(programa, {QStringLiteral("--cold-child"), modo, QStringLiteral("--child-out"), saida});
    if (!filho.waitForFinished(kPrazoFilhoMs)) {
        filho.kill();
        filho.waitForFinished();
        return std::nullopt;
    }
    if (filho.exitStatus() != QProcess::NormalExit || filho.exitCode() != 0) return std::nullopt;
    QFile f(saida);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    if (o.isEmpty()) return std::nullopt;
    return o;
}

} // namespace

int FriaFilho(const QString& modo, const QString& saida) {
    Vigia vigia(pastaHostMantida);
    Observador observador(vigia);
    qApp->installEventFilter(&observador);
    const QJsonObject o = modo == QLatin1String("module")
                              ? friaModulo(vigia, observador, arquivoPlantas(saida))
                              : friaPiso(vigia, observador, arquivoPlantas(saida));
    qApp->removeEventFilter(&observador);
    VortaSimDefineObservador(nullptr, nullptr);
    if (!grava(saida, o)) {
        std::fprintf(stderr, "cb-bench: cannot write %s\n", qPrintable(saida));
        return 2;
    }
    return 0;
}

void FiguraFria(const QString& programa, int processos) {
    QTemporaryDir pasta;
    if (!pasta.isValid()) falha("cannot create a temporary folder");
    const QString saida = pasta.filePath(QStringLiteral("filho.json"));
    const char* const chaves[] = {"carga", "menu", "inicioMenu", "pagamento"};
    std::vector<double> modulo[5], piso[5];
    // Module and floor in turn, the module first: its first process writes the copies.
    for (int i = 0; i < processos; ++i) {
        for (const char* modo : {"module", "floor"}) {
            const auto r = rodaFilho(programa, QLatin1String(modo), saida);
            if (!r) falha(std::string("a cold ") + modo + " process failed");
            const bool ehModulo = modo[0] == 'm';
            for (int k = 0; k < 4; ++k)
                (ehModulo ? modulo : piso)[k].push_back(r->value(QLatin1String(chaves[k])).toDouble(NAN));
        }
    }
    // Load + Initialize and the first menu together: what Initialize warms up for the first menu is not
    // hidden by taking the two apart.
    for (auto* v : {modulo, piso})
        for (std::size_t i = 0; i < v[0].size(); ++i)
            v[4].push_back(v[0][i] + v[1][i]);
    const char* const nomes[] = {"8 cold: dlopen+dlsym+Initialize", "8 cold: ExecutaGenerico -> first menu",
                                 "8 cold: load + Initialize + first menu",
                                 "8 cold: process start -> first menu",
                                 "8 cold: first bill payment, whole call"};
    const char* const pisos[] = {"  floor: dlopen(RTLD_LAZY)+dlclose", "  floor: bare copy, exec()",
                                 "  floor: dlopen + bare copy", "  floor: process start -> bare copy",
                                 "  floor: bare copies, same keys"};
    const int ordem[] = {0, 1, 4, 2, 3};
    cabecalho();
    for (int k = 0; k < 5; ++k) {
        const int i = ordem[k];
        const Resumo r = resume(modulo[i]), rPiso = resume(piso[i]);
        const double razao = r.mediana / rPiso.mediana;
        const std::string alvo =
            i == 1 ? std::string("<= 2.0 ") + (razao <= kAlvoRazaoMenu ? "(met)" : "(ABOVE)") : "-";
        linha(nomes[k], r, razao, alvo.c_str());
        linha(pisos[k], rPiso);
    }
    std::printf(
        "\n8: %d fresh processes of the module and %d of bare copies, in turn. In each module process: the "
        "module loaded and\n"
        "   initialized, ExecutaGenerico(0, 0) to the banking menu on screen, \"9\"; then figure 7's bill "
        "payment against the in-process\n"
        "   server. Nothing warms Qt beforehand. Process start is when the parent started the child (the "
        "exec, Qt's libraries and the\n"
        "   application object included). The floor processes build the same screens as bare copies taken "
        "from the first module process.\n\n",
        processos, processos);
    std::fflush(stdout);
}

} // namespace cbbench
