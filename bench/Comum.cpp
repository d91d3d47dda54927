#include "Comum.h"

#include "hostlink.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <dlfcn.h>
#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

namespace cbbench {

std::string pastaHostMantida;
std::deque<std::string> ultimasLinhas;

namespace {

void imprimeContexto() {
    if (!ultimasLinhas.empty()) {
        std::fprintf(stderr, "cb-bench: last lines the module handed to the host:\n");
        for (const auto& l : ultimasLinhas)
            std::fprintf(stderr, "    %s\n", l.c_str());
    }
    if (!pastaHostMantida.empty())
        std::fprintf(stderr, "cb-bench: host folder kept for inspection: %s\n", pastaHostMantida.c_str());
}

double quantil(const std::vector<double>& ordenados, double q) {
    if (ordenados.empty()) return NAN;
    const double pos = q * static_cast<double>(ordenados.size() - 1);
    const auto i = static_cast<size_t>(pos);
    const double resto = pos - static_cast<double>(i);
    if (i + 1 >= ordenados.size()) return ordenados.back();
    return ordenados[i] + resto * (ordenados[i + 1] - ordenados[i]);
}

long rssKb() {
    std::ifstream f("/proc/self/status");
    std::string linha;
    while (std::getline(f, linha)) {
        if (linha.rfind("VmRSS:", 0) == 0) return std::strtol(linha.c_str() + 6, nullptr, 10);
    }
    return -1;
}

template <class T> T simbolo(void* handle, const char* nome) {
    void* s = dlsym(handle, nome);
    if (!s) falha(std::string("entry point ") + nome + " not found in " + CB_MODULO);
    // POSIX guarantees that a data pointer from dlsym converts to a function pointer.
    T f;
    static_assert(sizeof f == sizeof s);
    std::memcpy(&f, &s, sizeof f);
    return f;
}

// The lines of the table as printed, for the JSON file: the unit of the header above each.
struct Figura {
    std::string nome;
    std::string unidade;
    Resumo r;
    std::optional<double> razao;
};
std::vector<Figura> figuras;
std::string unidadeAtual = "ms";
std::string figuraAtual;

QJsonValue numero(double v) {
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

} // namespace

void falha(const std::string& motivo) {
    std::fflush(stdout);
    std::fprintf(stderr, "cb-bench: FAILED: %s\n", motivo.c_str());
    imprimeContexto();
    std::fflush(nullptr);
    std::_Exit(1);
}

Resumo resume(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    Resumo r;
    if (v.empty()) return r;
    r.mediana = quantil(v, 0.5);
    r.p10 = quantil(v, 0.1);
    r.p90 = quantil(v, 0.9);
    r.p99 = quantil(v, 0.99);
    r.minimo = v.front();
    r.maximo = v.back();
    return r;
}

void cabecalho(const char* titulo) {
    std::printf("%-44s %9s %9s %9s %9s %9s %7s  %s\n", titulo, "median", "p10", "p90", "min", "max", "ratio",
                "target");
    unidadeAtual = std::strstr(titulo, "(us)") ? "us" : "ms";
}

void linha(const char* nome, const Resumo& r, std::optional<double> razao, const char* alvo) {
    std::printf("%-44s %9.3f %9.3f %9.3f %9.3f %9.3f", nome, r.mediana, r.p10, r.p90, r.minimo, r.maximo);
    if (razao)
        std::printf(" %7.2f  %s\n", *razao, alvo);
    else
        std::printf(" %7s  %s\n", "", alvo);
    // An indented line (a floor, a part) is named after the figure above it, so that every name is unique.
    std::string n = nome;
    if (n.rfind("  ", 0) == 0)
        n = figuraAtual + " / " + n.substr(n.find_first_not_of(' '));
    else
        figuraAtual = n;
    figuras.push_back({n, unidadeAtual, r, razao});
}

void valor(const char* nome, double v, const char* unidade) {
    Resumo r;
    r.mediana = r.p10 = r.p90 = r.p99 = r.minimo = r.maximo = v;
    figuras.push_back({nome, unidade, r, std::nullopt});
}

bool gravaJson(const QString& arquivo, const QString& build, QString* erro) {
    QJsonArray lista;
    for (const Figura& f : figuras) {
        QJsonObject o{{QStringLiteral("nome"), QString::fromStdString(f.nome)},
                      {QStringLiteral("unidade"), QString::fromStdString(f.unidade)},
                      {QStringLiteral("mediana"), numero(f.r.mediana)},
                      {QStringLiteral("p10"), numero(f.r.p10)},
                      {QStringLiteral("p90"), numero(f.r.p90)},
                      {QStringLiteral("p99"), numero(f.r.p99)},
                      {QStringLiteral("min"), numero(f.r.minimo)},
                      {QStringLiteral("max"), numero(f.r.maximo)}};
        if (f.razao) o.insert(QStringLiteral("razao"), numero(*f.razao));
        lista << o;
    }
    const QJsonObject doc{{QStringLiteral("build"), build}, {QStringLiteral("figuras"), lista}};
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(QJsonDocument(doc).toJson(QJsonDocument::Indented)) < 0) {
        *erro = f.errorString();
        return false;
    }
    return true;
}

bool comparaCom(const QString& arquivo, QString* erro) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        *erro = f.errorString();
        return false;
    }
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &e);
    if (!doc.isObject()) {
        *erro = e.errorString();
        return false;
    }
    std::map<std::string, QJsonObject> antigas;
    for (const auto& v : doc.object().value(QStringLiteral("figuras")).toArray()) {
        const QJsonObject o = v.toObject();
        antigas[o.value(QStringLiteral("nome")).toString().toStdString()] = o;
    }
    std::printf(
        "\ncompared with %s (build %s): each median over the old run's; the figure-to-floor ratios of "
        "both runs where the figure has one\n",
        qPrintable(arquivo), qPrintable(doc.object().value(QStringLiteral("build")).toString()));
    std::printf("%-60s %4s %11s %11s %8s %9s %9s\n", "figure", "unit", "old median", "new median", "new/old",
                "old ratio", "new ratio");
    for (const Figura& fig : figuras) {
        const auto it = antigas.find(fig.nome);
        if (it == antigas.end()) {
            std::printf("%-60s %4s %11s %11.3f %8s\n", fig.nome.c_str(), fig.unidade.c_str(), "-",
                        fig.r.mediana, "new");
            continue;
        }
        const double velha = it->second.value(QStringLiteral("mediana")).toDouble(NAN);
        std::printf("%-60s %4s %11.3f %11.3f %8.2f", fig.nome.c_str(), fig.unidade.c_str(), velha,
                    fig.r.mediana, fig.r.mediana / velha);
        const QJsonValue razaoVelha = it->second.value(QStringLiteral("razao"));
        if (fig.razao && razaoVelha.isDouble())
            std::printf(" %9.2f %9.2f", razaoVelha.toDouble(), *fig.razao);
        std::printf("\n");
        antigas.erase(it);
    }
    for (const auto& [nome, o] : antigas)
        std::printf("%-60s %4s %11.3f %11s %8s\n", nome.c_str(),
                    qPrintable(o.value(QStringLiteral("unidade")).toString()),
                    o.value(QStringLiteral("mediana")).toDouble(NAN), "-", "gone");
    return true;
}

double heapEmUsoMb() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

Memoria leMemoria() {
    return {static_cast<double>(rssKb()) / 1024.0, heapEmUsoMb()};
}

void descansa() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

Modulo abreModulo() {
    Modulo m;
    m.handle = dlopen(CB_MODULO, RTLD_NOW | RTLD_LOCAL);
    if (!m.handle) {
        const char* erro = dlerror();
        falha(std::string("dlopen failed: ") + (erro ? erro : "?"));
    }
    m.executaGenerico = simbolo<CbExecutaGenerico>(m.handle, "ExecutaGenerico");
    m.executaFuncaoADM = simbolo<CbExecutaFuncaoADM>(m.handle, "ExecutaFuncaoADM");
    m.obtemVersao = simbolo<CbObtemVersao>(m.handle, "ObtemVersao");
    m.initialize = simbolo<CbInitialize>(m.handle, "Initialize");
    m.finalize = simbolo<CbFinalize>(m.handle, "Finalize");
    return m;
}

void fechaModulo(Modulo& m) {
    if (m.handle && dlclose(m.handle) != 0) {
        const char* erro = dlerror();
        falha(std::string("dlclose failed: ") + (erro ? erro : "?"));
    }
    m = {};
}

// The file that holds the code or data at this address: the bench links a copy of the module's objects for
// the protocol figures, and the first three figures must run the loaded module's.
std::string arquivoDe(const void* endereco) {
    Dl_info info{};
    if (!dladdr(endereco, &info) || !info.dli_fname) return "?";
    std::error_code ec;
    const auto canonico = std::filesystem::weakly_canonical(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : canonico.string();
}

std::string arquivoDoModulo() {
    std::error_code ec;
    const auto canonico = std::filesystem::weakly_canonical(CB_MODULO, ec);
    return ec ? std::string(CB_MODULO) : canonico.string();
}

bool moduloAindaCarregado() {
    void* h = dlopen(CB_MODULO, RTLD_LAZY | RTLD_NOLOAD);
    if (!h) return false;
    dlclose(h);
    return true;
}

std::string leCampo(int campo, int ocorrencia) {
    char buffer[512];
    uint16_t tamanho = sizeof buffer;
    const uint16_t st = HostlinkLeCampo(campo, ocorrencia, buffer, &tamanho);
    if (st != HL_OK && st != HL_BUFFER_PEQUENO) return "(absent)";
    return std::string(buffer, std::min<std::size_t>(tamanho, sizeof buffer));
}

} // namespace cbbench
