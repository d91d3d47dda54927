// Every operator script of a folder replayed through the till's own runner (Roteiro: the same reader, the
// same screen checks, the in-process simulated server), every screen transition timed from the key that
// leaves a screen to the next screen exposed and painted, and each beside the floor of a bare copy of the
// screen it came to (a QDialog of the same size with the same widgets and nothing behind it, as figure 7's
// floor). A new script is measured with no bench code.
//
// Each script runs in a child process of its own, as the till runs each in a fresh process: a script
// starts from the module's first load, and one that fails or dies is reported without ending the run.
//
// A transition that sends requests waits on the bank too: the simulated server's time (handling, delays) is
// measured apart, and the module's share, the rest, is what is held to the 16 ms of a screen.
#include "Figuras.h"

#include "ConferenciaTela.h"
#include "LeituraRoteiro.h"
#include "Roteiro.h"

#include "EmProcesso.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <optional>

namespace cbbench {

namespace {

constexpr int kDezMaisLentas = 10;
constexpr double kAlvoTransicaoMs = 16.0;
constexpr int kPrazoRoteiroMs = 600000;
constexpr int kPrazoPisoMs = 5000;
constexpr char kNomePisoRoteiro[] = "cbBenchPisoRoteiro";

// One transition: the step whose key left the screen, the screen it left and the one it came to.
struct Transicao {
    QString roteiro;
    int chamada = 0;
    int passo = 0; // 1-based, as the till names steps
    QString de, para;
    double ms = 0;
    double pisoMs = 0;
    double bancoMs = 0; // of ms, the time the bank took to answer

    double moduloMs() const { return ms - bancoMs; }
};

double bancoAgora() {
    return static_cast<double>(cbserver::NanossegundosAtendendo()) / 1e6;
}

// Times from a mark (the key, or the floor's construction) to the next dialog shown, exposed and painted
// (back in the event loop after its Expose, as figures 2 to 7 take it). A dialog that is hidden again before
// it was painted gives its place to the next one.
class Cronometro : public QObject {
public:
    // What was painted: the dialog, the time since the mark and how much of it the bank took.
    std::function<void(QWidget*, double, double)> aoPintar;

    // From now on, the next dialog shown (other than origem) ends the time; keys delivered to origem move the
    // mark to the last of them.
    void marca(QWidget* origem) {
        origem_ = origem;
        desde_ = Relogio::now();
        bancoDesde_ = bancoAgora();
        alvo_.clear();
        ativo_ = true;
    }
    // The floor: this dialog, about to be shown, timed from desde (before it was built).
    void marcaAlvo(QWidget* alvo, Relogio::time_point desde) {
        marca(nullptr);
        alvo_ = alvo;
        desde_ = desde;
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (!ativo_) return false;
        switch (e->type()) {
        case QEvent::KeyPress:
            if (origem_ && o->isWidgetType() && static_cast<QWidget*>(o)->window() == origem_) {
                desde_ = Relogio::now();
                bancoDesde_ = bancoAgora();
            }
            break;
        case QEvent::Show:
            if (!alvo_ && o != origem_ && qobject_cast<QDialog*>(o) && static_cast<QWidget*>(o)->isWindow())
                alvo_ = static_cast<QWidget*>(o);
            break;
        case QEvent::Hide:
            if (o == alvo_) alvo_.clear();
            break;
        case QEvent::Expose:
            if (alvo_ && o == alvo_->windowHandle())
                QCoreApplication::postEvent(this, new QEvent(tipoSonda()));
            break;
        default:
            break;
        }
        return false;
    }

protected:
    void customEvent(QEvent* e) override {
        if (e->type() != tipoSonda() || !ativo_ || !alvo_ || !alvo_->isVisible()) return;
        QWindow* janela = alvo_->windowHandle();
        if (!janela || !janela->isExposed()) return; // the next expose posts another probe
        ativo_ = false;
        const double ms = emMs(Relogio::now() - desde_);
        try {
            if (aoPintar) aoPintar(alvo_, ms, bancoAgora() - bancoDesde_);
        } catch (const std::exception& ex) {
            falha(std::string("copying a screen of the scripts: ") + ex.what());
        }
    }

private:
    static QEvent::Type tipoSonda() {
        static const auto tipo = static_cast<QEvent::Type>(QEvent::registerEventType());
        return tipo;
    }

    QPointer<QWidget> origem_;
    QPointer<QWidget> alvo_;
    Relogio::time_point desde_{};
    double bancoDesde_ = 0;
    bool ativo_ = false;
};

// The floor of one copied screen: from its construction to its bare copy exposed and painted, the median of
// a few runs; NAN when a copy never came on screen.
double pisoDe(Cronometro& cronometro, const Planta& planta, int rodadas) {
    std::vector<double> tempos;
    for (int i = 0; i < rodadas; ++i) {
        std::optional<double> pintado;
        QEventLoop laco;
        cronometro.aoPintar = [&](QWidget*, double ms, double) {
            pintado = ms;
            laco.quit();
        };
        const auto t0 = Relogio::now();
        QDialog* d = constroiPiso(planta, kNomePisoRoteiro);
        cronometro.marcaAlvo(d, t0);
        d->setWindowModality(Qt::ApplicationModal);
        d->show();
        QTimer::singleShot(kPrazoPisoMs, &laco, &QEventLoop::quit);
        if (!pintado) laco.exec();
        cronometro.aoPintar = nullptr;
        delete d;
        descansa();
        if (pintado) tempos.push_back(*pintado);
    }
    return resume(tempos).mediana;
}

// A screen's copy is measured once per shape: the same class, size, title and pieces give the same floor.
QString formaDe(const QString& classe, const Planta& p) {
    return QStringLiteral("%1 %2x%3 %4 %5")
        .arg(classe)
        .arg(p.tamanho.width())
        .arg(p.tamanho.height())
        .arg(p.titulo)
        .arg(p.pecas.size());
}

// What keeps a script from being replayed here: a TCP server of its own or an address to send to.
QString motivoParaPular(const ScriptRoteiro& script) {
    const QJsonObject servidor = script.preparo.value(QStringLiteral("servidor")).toObject();
    if (servidor.value(QStringLiteral("tcp")).toBool()) return QStringLiteral("serves its scenario over TCP");
    auto temEndereco = [](const QJsonObject& o) {
        return o.value(QStringLiteral("servidor")).toObject().contains(QStringLiteral("endereco"));
    };
    if (temEndereco(script.preparo)) return QStringLiteral("sends to a server address");
    for (const ChamadaRoteiro& c : script.chamadas) {
        if (temEndereco(c.preparo)) return QStringLiteral("sends to a server address");
        for (const PassoRoteiro& p : c.passos)
            if (p.servidor && p.servidor->contains(QStringLiteral("endereco")))
                return QStringLiteral("sends to a server address");
    }
    return {};
}

QString caminhoCurto(const QString& roteiro) {
    return QFileInfo(roteiro).fileName();
}

} // namespace

int RoteiroFilho(const QString& script, const QString& cenario, const QString& saida, int rodadasPiso) {
    // The till's own host folder: a fresh temporary one, unless the parent set one.
    Cronometro cronometro;
    std::vector<Transicao> transicoes;
    std::vector<Planta> plantas;
    const QString nome = caminhoCurto(script);
    int chamadaAtual = 0, passoAtual = 0;
    QString origemAtual;
    cronometro.aoPintar = [&](QWidget* tela, double ms, double bancoMs) {
        transicoes.push_back({nome, chamadaAtual, passoAtual, origemAtual, ClasseDe(tela), ms, 0, bancoMs});
        plantas.push_back(copiaTela(tela));
    };
    Roteiro::Opcoes opcoes;
    opcoes.script = script;
    opcoes.silencioso = true;
    opcoes.cenario = cenario;
    opcoes.aoAgir = [&](int chamada, int passo, QWidget* tela) {
        chamadaAtual = chamada;
        passoAtual = passo;
        origemAtual = ClasseDe(tela);
        cronometro.marca(tela);
    };
    qApp->installEventFilter(&cronometro);
    int status = 0;
    {
        Roteiro roteiro(opcoes);
        status = roteiro.Executa();
    }

    // The floors, in the same process, warm as the module's screens were.
    std::map<QString, double> pisos;
    for (std::size_t i = 0; i < transicoes.size(); ++i) {
        const QString forma = formaDe(transicoes[i].para, plantas[i]);
        auto it = pisos.find(forma);
        if (it == pisos.end()) it = pisos.emplace(forma, pisoDe(cronometro, plantas[i], rodadasPiso)).first;
        transicoes[i].pisoMs = it->second;
    }
    qApp->removeEventFilter(&cronometro);

    QJsonArray lista;
    for (const Transicao& t : transicoes)
        lista << QJsonObject{{QStringLiteral("chamada"), t.chamada}, {QStringLiteral("passo"), t.passo},
                             {QStringLiteral("de"), t.de},           {QStringLiteral("para"), t.para},
                             {QStringLiteral("ms"), t.ms},           {QStringLiteral("pisoMs"), t.pisoMs},
                             {QStringLiteral("bancoMs"), t.bancoMs}};
    QFile f(saida);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(QJsonDocument(
                    QJsonObject{{QStringLiteral("status"), status}, {QStringLiteral("transicoes"), lista}})
                    .toJson(QJsonDocument::Compact)) < 0) {
        std::fprintf(stderr, "cb-bench: cannot write %s\n", qPrintable(saida));
        return 2;
    }
    return status;
}

int FiguraRoteiros(const QString& programa, const QString& pasta, const QString& cenario, int rodadasPiso) {
    const QDir dir(pasta);
    const QStringList arquivos = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    if (arquivos.isEmpty()) falha("no operator script (*.json) in " + pasta.toStdString());
    QTemporaryDir saidas;
    if (!saidas.isValid()) falha("cannot create a temporary folder");

    std::vector<Transicao> todas;
    QStringList pulados, falhos;
    int rodados = 0;
    for (const QString& arquivo : arquivos) {
        const QString caminho = dir.filePath(arquivo);
        QString erro;
        const std::optional<ScriptRoteiro> script = LeRoteiro(caminho, erro);
        if (!script) {
            falhos << QStringLiteral("%1 (%2)").arg(arquivo, erro);
            continue;
        }
        if (const QString motivo = motivoParaPular(*script); !motivo.isEmpty()) {
            pulados << QStringLiteral("%1 (%2)").arg(arquivo, motivo);
            continue;
        }
        const QString saida = saidas.filePath(arquivo);
        QProcess filho;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.remove(QStringLiteral("CB_HOST_DIR")); // each script gets a fresh host folder
        filho.setProcessEnvironment(ambiente);
        filho.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        filho.setStandardOutputFile(QProcess::nullDevice());
        filho.start(programa, {QStringLiteral("--script-child"), caminho, QStringLiteral("--child-out"),
                               saida, QStringLiteral("--floor-runs"), QString::number(rodadasPiso)});
        if (!filho.waitForFinished(kPrazoRoteiroMs)) {
            filho.kill();
            filho.waitForFinished();
            std::printf("  %s: did not end\n", qPrintable(arquivo));
            falhos << QStringLiteral("%1 (did not end)").arg(arquivo);
            continue;
        }
        QFile f(saida);
        const QJsonObject r =
            f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
        const QJsonArray lista = r.value(QStringLiteral("transicoes")).toArray();
        std::printf("  %s: %lld transitions\n", qPrintable(arquivo), static_cast<long long>(lista.size()));
        std::fflush(stdout);
        if (filho.exitStatus() != QProcess::NormalExit || filho.exitCode() != 0 || r.isEmpty()) {
            falhos << QStringLiteral("%1 (exit %2)").arg(arquivo).arg(filho.exitCode());
            continue;
        }
        ++rodados;
        for (const auto& v : lista) {
            const QJsonObject t = v.toObject();
            todas.push_back(
                {arquivo, t.value(QStringLiteral("chamada")).toInt(),
                 t.value(QStringLiteral("passo")).toInt(), t.value(QStringLiteral("de")).toString(),
                 t.value(QStringLiteral("para")).toString(), t.value(QStringLiteral("ms")).toDouble(),
                 t.value(QStringLiteral("pisoMs")).toDouble(NAN),
                 t.value(QStringLiteral("bancoMs")).toDouble()});
        }
    }

    std::vector<double> tempos, pisos, modulo;
    std::size_t acimaDoAlvo = 0;
    for (const Transicao& t : todas) {
        tempos.push_back(t.ms);
        pisos.push_back(t.pisoMs);
        modulo.push_back(t.moduloMs());
        if (t.moduloMs() > kAlvoTransicaoMs) ++acimaDoAlvo;
    }
    const Resumo r = resume(tempos), rPiso = resume(pisos), rModulo = resume(modulo);
    std::printf("\n%d scripts replayed, %lld skipped, %lld failed; %zu screen transitions\n\n", rodados,
                static_cast<long long>(pulados.size()), static_cast<long long>(falhos.size()), todas.size());
    cabecalho();
    linha("scripts: every screen transition", r, r.mediana / rPiso.mediana, "-");
    linha("  module share (bank time out)", rModulo, rModulo.mediana / rPiso.mediana, "16");
    linha("  floor: bare copies of the screens reached", rPiso);
    std::printf(
        "\nover all transitions: median %.3f ms, p99 %.3f ms, max %.3f ms (floors: median %.3f, p99 %.3f, "
        "max %.3f)\n\n",
        r.mediana, r.p99, r.maximo, rPiso.mediana, rPiso.p99, rPiso.maximo);
    std::printf("the module's share: median %.3f ms, p99 %.3f ms, max %.3f ms; %zu of %zu transitions above "
                "%.0f ms\n\n",
                rModulo.mediana, rModulo.p99, rModulo.maximo, acimaDoAlvo, todas.size(), kAlvoTransicaoMs);

    std::vector<const Transicao*> ordem;
    for (const Transicao& t : todas)
        ordem.push_back(&t);
    // The slowest by the module's share: a transition that waited on a bank in no hurry is the bank's.
    std::sort(ordem.begin(), ordem.end(),
              [](const Transicao* a, const Transicao* b) { return a->moduloMs() > b->moduloMs(); });
    std::printf("the %d slowest by the module's share (call.step is the step whose key left the screen):\n",
                kDezMaisLentas);
    std::printf("%9s %9s %9s %9s %7s  %-44s %-9s %s\n", "module", "bank", "total", "floor", "ratio", "script",
                "call.step", "screen -> screen");
    for (std::size_t i = 0; i < ordem.size() && i < static_cast<std::size_t>(kDezMaisLentas); ++i) {
        const Transicao& t = *ordem[i];
        const QString passo = QStringLiteral("%1.%2").arg(t.chamada).arg(t.passo);
        std::printf("%9.3f %9.3f %9.3f %9.3f %7.2f  %-44s %-9s %s -> %s\n", t.moduloMs(), t.bancoMs, t.ms,
                    t.pisoMs, t.moduloMs() / t.pisoMs, qPrintable(t.roteiro), qPrintable(passo),
                    qPrintable(t.de), qPrintable(t.para));
    }
    if (!pulados.isEmpty()) std::printf("\nskipped: %s\n", qPrintable(pulados.join(QStringLiteral(", "))));
    if (!falhos.isEmpty()) std::printf("\nFAILED: %s\n", qPrintable(falhos.join(QStringLiteral(", "))));
    std::printf(
        "\nEach script runs in a process of its own through the till's runner against the in-process "
        "simulated "
        "server (%s unless the\n"
        "script names one). A transition runs from the last key the step typed into the screen (or its "
        "closing) to the next dialog\n"
        "shown, exposed and painted; a screen the operator comes back to (a menu under a dialog that closed) "
        "is not painted anew and\n"
        "is not timed. The floor is the median of %d bare copies of the screen reached, each timed from its "
        "construction to on screen.\n",
        qPrintable(cenario), rodadasPiso);
    std::fflush(stdout);
    return static_cast<int>(falhos.size());
}

} // namespace cbbench
