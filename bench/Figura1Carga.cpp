// Figure 1: dlopen + the five entry points resolved + Initialize + Finalize + dlclose, beside a plain dlopen
// (RTLD_LAZY, no entry point called) and dlclose of the same file.
#include "Figuras.h"

#include <dlfcn.h>

#include <cstdio>

namespace cbbench {

FiguraCarga MedeCarga(Vigia& vigia, int rodadas) {
    FiguraCarga f;
    auto cicloModulo = [&] {
        vigia.arma("dlopen + Initialize + Finalize + dlclose");
        const auto t0 = Relogio::now();
        Modulo m = abreModulo();
        m.initialize();
        m.finalize();
        fechaModulo(m);
        const auto t1 = Relogio::now();
        vigia.desarma();
        f.residente = f.residente || moduloAindaCarregado();
        return emMs(t1 - t0);
    };
    auto cicloPiso = [&] {
        vigia.arma("dlopen(RTLD_LAZY) + dlclose");
        const auto t0 = Relogio::now();
        void* h = dlopen(CB_MODULO, RTLD_LAZY | RTLD_LOCAL);
        if (!h) {
            const char* erro = dlerror();
            falha(std::string("dlopen failed: ") + (erro ? erro : "?"));
        }
        dlclose(h);
        const auto t1 = Relogio::now();
        vigia.desarma();
        return emMs(t1 - t0);
    };
    f.primeira = cicloModulo();
    f.primeiroPiso = cicloPiso();
    for (int i = 0; i < rodadas; ++i) {
        f.tempos.push_back(cicloModulo());
        f.piso.push_back(cicloPiso());
    }
    return f;
}

void ImprimeCarga(const FiguraCarga& f) {
    const Resumo r = resume(f.tempos), rPiso = resume(f.piso);
    cabecalho();
    linha("1 dlopen+dlsym+Initialize+Finalize+dlclose", r, r.mediana / rPiso.mediana, "-");
    linha("  floor: same file, dlopen(RTLD_LAZY)+dlclose", rPiso);
    std::printf("\n");
    std::printf(
        "1: RTLD_NOW | RTLD_LOCAL and the five entry points resolved; the floor calls nothing. The module "
        "%s after dlclose.\n",
        f.residente ? "STAYS loaded (RTLD_NOLOAD still finds it), so later loads only count references"
                    : "is unloaded (RTLD_NOLOAD no longer finds it)");
    std::printf("first time in the process (not in the medians): load %.3f ms (floor %.3f ms)\n\n",
                f.primeira, f.primeiroPiso);
}

} // namespace cbbench
