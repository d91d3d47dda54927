// Figure 9: a day at the till. A list of operator scripts that together go through the module's flows (menus
// opened and closed, a bill paid, a withdrawal, a balance query, refusals, cancellations and Esc on the way)
// is replayed over and over in this one process through the till's own runner, PIN pad and in-process server,
// until the number of calls asked for. After one warm-up round the heap in use (mallinfo2) and the resident
// memory (VmRSS) are read at the end of every round: what a whole round leaves behind is what grows.
#include "Figuras.h"

#include "LeituraRoteiro.h"
#include "Roteiro.h"

#include <QDir>
#include <QPixmapCache>

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>

namespace cbbench {

namespace {

// The flows of one round, each script a few calls.
constexpr const char* kScriptsDia[] = {
    "menu_pagamentos.json",          // the payments menu's options, each opened and left
    "menu_consultas.json",           // the queries menu's options, each opened and left
    "pagamento_dinheiro.json",       // a bill paid in cash
    "saque_cartao_magnetico.json",   // withdrawals with the card and the PIN
    "consulta_saldo_modos.json",     // balance queries
    "consulta_recusas.json",         // bar-code queries the bank refuses
    "cheque_recusado.json",          // a cheque the bank refuses
    "prepago_pinpad_cancelado.json", // an amount the customer cancels on the PIN pad
    "menu_cancelamento.json",        // the cancellation menu, the supervisor's check
};

constexpr double kAlvoResidenteMb = 1.0;

struct Rodada {
    int chamadas = 0;
    int falhas = 0;
};

Rodada rodada(const QDir& pasta, const std::vector<int>& chamadasPorScript, const QString& pastaHost) {
    Rodada r;
    for (std::size_t i = 0; i < std::size(kScriptsDia); ++i) {
        // Each replay in an empty host folder, always the same one: the runner would otherwise make a
        // temporary folder of its own and put its name in the environment, and glibc keeps every value
        // CB_HOST_DIR ever had (about 60 bytes a replay that are the runner's, not the module's).
        QDir host(pastaHost);
        if (!host.removeRecursively() || !QDir().mkpath(pastaHost))
            falha("cannot empty the host folder " + pastaHost.toStdString());
        Roteiro::Opcoes opcoes;
        opcoes.script = pasta.filePath(QLatin1String(kScriptsDia[i]));
        opcoes.silencioso = true;
        opcoes.cenario = QStringLiteral(CB_CENARIO);
        Roteiro roteiro(opcoes);
        if (roteiro.Executa() != 0) {
            std::fprintf(stderr, "cb-bench: the day's replay of %s failed\n", kScriptsDia[i]);
            ++r.falhas;
        }
        r.chamadas += chamadasPorScript[i];
    }
    descansa();
    return r;
}

double porChamada(double mb, int chamadas) {
    return chamadas > 0 ? mb * 1024.0 * 1024.0 / chamadas : NAN;
}

} // namespace

int FiguraDia(const QString& pastaScripts, int chamadas) {
    const QDir pasta(pastaScripts);
    const QString pastaHost = qEnvironmentVariable("CB_HOST_DIR");
    if (pastaHost.isEmpty()) falha("the day needs a host folder (CB_HOST_DIR)");
    std::vector<int> chamadasPorScript;
    for (const char* nome : kScriptsDia) {
        QString erro;
        const auto script = LeRoteiro(pasta.filePath(QLatin1String(nome)), erro);
        if (!script) falha("the day's script " + std::string(nome) + ": " + erro.toStdString());
        chamadasPorScript.push_back(static_cast<int>(script->chamadas.size()));
    }

    // The till keeps the module loaded all day: a reference held here makes each replay's load and unload
    // count references, with Initialize and Finalize still run for each.
    void* residente = dlopen(CB_MODULO, RTLD_NOW | RTLD_LOCAL);
    if (!residente) falha("dlopen failed");

    const auto inicio = Relogio::now();
    const Rodada aquecimento = rodada(pasta, chamadasPorScript, pastaHost);
    int falhas = aquecimento.falhas;
    // Room for every round's reading beforehand, so that the readings do not grow the heap they measure.
    std::vector<double> heap, rss;
    heap.reserve(static_cast<std::size_t>(chamadas / std::max(1, aquecimento.chamadas) + 2));
    rss.reserve(heap.capacity());
    const Memoria antes = leMemoria();
    heap.push_back(antes.heapMb);
    rss.push_back(antes.rssMb);
    int feitas = 0, rodadas = 0;
    while (feitas < chamadas) {
        const Rodada r = rodada(pasta, chamadasPorScript, pastaHost);
        feitas += r.chamadas;
        falhas += r.falhas;
        ++rodadas;
        const Memoria m = leMemoria();
        heap.push_back(m.heapMb);
        rss.push_back(m.rssMb);
    }
    const Memoria depois = leMemoria();
    dlclose(residente);
    const double duracaoS = std::chrono::duration<double>(Relogio::now() - inicio).count();
    // The second half of the day alone: what still grows once every cache is full.
    const std::size_t meio = heap.size() / 2;
    const int chamadasSegundaMetade =
        static_cast<int>(static_cast<double>(feitas) * static_cast<double>(heap.size() - 1 - meio) /
                         static_cast<double>(heap.size() - 1));
    const double heapPorChamada = porChamada(depois.heapMb - antes.heapMb, feitas);
    const double heapSegundaMetade = porChamada(heap.back() - heap[meio], chamadasSegundaMetade);
    const double crescimentoRss = depois.rssMb - antes.rssMb;
    const double rssSegundaMetade = rss.back() - rss[meio];
    const double heapComCache = heapEmUsoMb();
    QPixmapCache::clear();
    const double cacheMb = heapComCache - heapEmUsoMb();

    std::printf(
        "9 a day at the till: %d calls in %d rounds of %zu scripts after a warm-up round of %d calls, "
        "%.1f s, %d replays failed\n",
        feitas, rodadas, std::size(kScriptsDia), aquecimento.chamadas, duracaoS, falhas);
    std::printf(
        "  resident memory (VmRSS): %.1f MB -> %.1f MB, growth %+.2f MB (target < %.0f MB: %s); second "
        "half of the day %+.2f MB\n",
        antes.rssMb, depois.rssMb, crescimentoRss, kAlvoResidenteMb,
        crescimentoRss < kAlvoResidenteMb ? "met" : "ABOVE", rssSegundaMetade);
    std::printf("  heap in use (malloc): %.2f MB -> %.2f MB, %+.1f bytes per call (target 0); second half of "
                "the day %+.1f bytes per call; Qt's pixmap cache held %.2f MB at the end\n",
                antes.heapMb, depois.heapMb, heapPorChamada, heapSegundaMetade, cacheMb);
    // The heap along the day, at the end of every tenth of it: a steady climb is a growth, a saw is a cache.
    std::printf("  heap in use along the day (MB):");
    for (int d = 0; d <= 10; ++d)
        std::printf(" %.3f", heap[static_cast<std::size_t>(d) * (heap.size() - 1) / 10]);
    std::printf("\n  resident memory along the day (MB):");
    for (int d = 0; d <= 10; ++d)
        std::printf(" %.2f", rss[static_cast<std::size_t>(d) * (rss.size() - 1) / 10]);
    std::printf("\n  scripts of a round:");
    for (std::size_t i = 0; i < std::size(kScriptsDia); ++i)
        std::printf(" %s (%d)", kScriptsDia[i], chamadasPorScript[i]);
    std::printf(
        "\n  each replay runs its calls through the till's runner, PIN pad and in-process server (%s), "
        "with Initialize and Finalize; the module stays loaded all day\n\n",
        CB_CENARIO);
    valor("9 day: resident memory growth", crescimentoRss, "MB");
    valor("9 day: heap growth per call", heapPorChamada, "B");
    valor("9 day: heap growth per call, second half", heapSegundaMetade, "B");
    valor("9 day: resident memory growth, second half", rssSegundaMetade, "MB");
    std::fflush(stdout);
    return falhas;
}

} // namespace cbbench
