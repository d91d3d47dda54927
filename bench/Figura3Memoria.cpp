// Figure 3: resident memory and heap over a long series of calls that each stop at the first menu, beside
// the same series of bare dialogs; and what Qt's pixmap cache holds of the heap.
#include "Figuras.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>

namespace cbbench {

namespace {

constexpr int kAquecimento = 20;
constexpr int kChamadasSemCache = 200;
constexpr double kAlvoCrescimentoMb = 2.0;

double bytesPorChamada(double mb, int chamadas) {
    return mb * 1024.0 * 1024.0 / chamadas;
}

} // namespace

// It runs before the timed runs of figure 2, so that its starting point (the first call and the warm-up) does
// not depend on --runs.
FiguraMemoria MedeMemoria(Bancada& bancada, const Planta& menu, int chamadas) {
    FiguraMemoria f;
    f.chamadas = chamadas;
    for (int i = 0; i < kAquecimento; ++i)
        bancada.chamaMenu("memory warm-up");
    f.antes = leMemoria();
    f.widgetsAntes = QApplication::allWidgets().size();
    const int criadosAntes = bancada.formsCriados, destruidosAntes = bancada.formsDestruidos;
    f.serie.reserve(static_cast<size_t>(chamadas));
    const auto inicio = Relogio::now();
    for (int i = 0; i < chamadas; ++i)
        f.serie.push_back(bancada.chamaMenu("memory series").ateMenu);
    f.duracaoMs = emMs(Relogio::now() - inicio);
    f.depois = leMemoria();
    f.widgetsDepois = QApplication::allWidgets().size();
    f.criados = bancada.formsCriados - criadosAntes;
    f.destruidos = bancada.formsDestruidos - destruidosAntes;

    // The same series of bare dialogs.
    for (int i = 0; i < kAquecimento; ++i)
        bancada.chamaPiso(menu);
    f.pisoAntes = leMemoria();
    for (int i = 0; i < chamadas; ++i)
        bancada.chamaPiso(menu);
    f.pisoDepois = leMemoria();
    return f;
}

// Qt's pixmap cache (where the style keeps painted button faces, up to its limit) against what stays once it
// is emptied: a short series between two clears.
void MedeCacheMemoria(Bancada& bancada, FiguraMemoria& f) {
    f.heapComCache = heapEmUsoMb();
    QPixmapCache::clear();
    descansa();
    f.semCacheAntes = leMemoria();
    for (int i = 0; i < kChamadasSemCache; ++i)
        bancada.chamaMenu("series between cache clears");
    QPixmapCache::clear();
    descansa();
    f.semCacheDepois = leMemoria();
}

void ImprimeMemoria(const FiguraMemoria& f) {
    const double crescimentoMb = f.depois.rssMb - f.antes.rssMb;
    const double heapPorChamada = bytesPorChamada(f.depois.heapMb - f.antes.heapMb, f.chamadas);
    const double semCachePorChamada =
        bytesPorChamada(f.semCacheDepois.heapMb - f.semCacheAntes.heapMb, kChamadasSemCache);
    std::printf("3 resident memory (VmRSS): %.1f MB after %d warm-up calls, %.1f MB after %d more calls: "
                "growth %+.2f MB (target < %.0f MB: %s)\n",
                f.antes.rssMb, kAquecimento, f.depois.rssMb, f.chamadas, crescimentoMb, kAlvoCrescimentoMb,
                crescimentoMb < kAlvoCrescimentoMb ? "met" : "ABOVE");
    std::printf(
        "  heap in use (malloc): %.2f MB -> %.2f MB (%+.2f MB, %+.0f bytes per call); widgets alive %lld -> "
        "%lld; menus created %d, destroyed %d\n",
        f.antes.heapMb, f.depois.heapMb, f.depois.heapMb - f.antes.heapMb, heapPorChamada, f.widgetsAntes,
        f.widgetsDepois, f.criados, f.destruidos);
    std::printf(
        "  floor, %d bare dialogs after %d warm-up: VmRSS %+.2f MB, heap %+.2f MB (%+.0f bytes per dialog)\n",
        f.chamadas, kAquecimento, f.pisoDepois.rssMb - f.pisoAntes.rssMb,
        f.pisoDepois.heapMb - f.pisoAntes.heapMb,
        bytesPorChamada(f.pisoDepois.heapMb - f.pisoAntes.heapMb, f.chamadas));
    std::printf(
        "  Qt's pixmap cache held %.2f MB of the heap at the end; with it emptied before and after %d more "
        "calls, the heap grew %+.0f bytes per call\n",
        f.heapComCache - f.semCacheAntes.heapMb, kChamadasSemCache, semCachePorChamada);
    if (f.serie.size() >= 200) {
        const std::vector<double> primeiras(f.serie.begin(), f.serie.begin() + 100);
        const std::vector<double> ultimas(f.serie.end() - 100, f.serie.end());
        std::printf(
            "  entry -> menu over the series: median %.3f ms over the first 100 calls, %.3f ms over the "
            "last 100; %d calls took %.1f s\n",
            resume(primeiras).mediana, resume(ultimas).mediana, f.chamadas, f.duracaoMs / 1000.0);
    }
    std::printf("\n");
    valor("3 resident memory growth over the series", crescimentoMb, "MB");
    valor("3 heap growth per call", heapPorChamada, "B");
    valor("3 heap growth per call, pixmap cache emptied", semCachePorChamada, "B");
}

} // namespace cbbench
