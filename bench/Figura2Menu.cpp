// Figure 2: ExecutaGenerico(0, 0) to the banking menu on screen (exposed and painted), "9" then closing it,
// beside a bare QDialog holding the same widgets run with exec() and closed the same way.
#include "Figuras.h"

#include <QWidget>

#include <cstdio>
#include <cstring>
#include <optional>

namespace cbbench {

namespace {

constexpr double kAlvoRazaoMenu = 2.0;

} // namespace

FiguraMenu PrimeiraChamadaMenu(Bancada& bancada) {
    // Qt's own first-use work (fonts, style, backing store) goes to a throwaway dialog, not to the module's
    // first call.
    bancada.chamaPiso(plantaAquecimento());

    std::optional<Planta> planta;
    std::string origemMenu;
    bancada.observador.aoMostrar = [&planta, &origemMenu](QWidget* menu) {
        if (planta) return;
        planta = copiaMenu(menu);
        origemMenu = arquivoDe(menu->metaObject());
    };
    FiguraMenu f;
    f.primeira = bancada.chamaMenu("first call");
    bancada.observador.aoMostrar = nullptr;
    if (!planta || !planta->temEncerra) falha("the banking menu has no \"&9\" option to close it with");
    // The entry point and the menu's class must be the loaded module's, not the copy linked into the bench.
    f.modulo = arquivoDoModulo();
    void* entrada = nullptr;
    static_assert(sizeof entrada == sizeof bancada.modulo.executaGenerico);
    std::memcpy(&entrada, &bancada.modulo.executaGenerico, sizeof entrada);
    const std::string origemEntrada = arquivoDe(entrada);
    if (origemEntrada != f.modulo || origemMenu != f.modulo)
        falha("the first menu did not come from the loaded module: ExecutaGenerico in " + origemEntrada +
              ", the menu's class in " + origemMenu + ", module " + f.modulo);
    f.planta = *planta;
    f.primeiroPiso = bancada.chamaPiso(f.planta);
    return f;
}

// Module and floor in turn, both warm by now.
void CronometraMenu(Bancada& bancada, FiguraMenu& f, int rodadas) {
    for (int i = 0; i < rodadas; ++i) {
        const Medida m = bancada.chamaMenu("timed run");
        const Medida p = bancada.chamaPiso(f.planta);
        f.tempos.push_back(m.ateMenu);
        f.total.push_back(m.total);
        f.piso.push_back(p.ateMenu);
        f.pisoTotal.push_back(p.total);
    }
}

void ImprimeMenu(const FiguraMenu& f) {
    const Resumo r = resume(f.tempos), rPiso = resume(f.piso);
    const double razao = r.mediana / rPiso.mediana;
    const std::string alvo = std::string("<= 2.0 ") + (razao <= kAlvoRazaoMenu ? "(met)" : "(ABOVE)");
    cabecalho();
    linha("2 ExecutaGenerico(0,0) -> menu on screen", r, razao, alvo.c_str());
    linha("  floor: bare QDialog, same widgets, exec()", rPiso);
    linha("  whole call, until ExecutaGenerico returns", resume(f.total));
    linha("  floor, until exec() returns", resume(f.pisoTotal));
    std::printf("\n");
    std::printf(
        "2: on screen = the menu's window exposed and painted (back in the event loop after its Expose); "
        "\"9\" then closes it.\n"
        "   The floor copies the menu's widgets (classes, geometry, texts, fonts, window flags) into a plain "
        "QDialog, without theme or palette.\n");
    std::printf(
        "first time in the process, after a throwaway dialog warmed Qt up (not in the medians): entry -> "
        "menu %.3f ms (floor %.3f ms)\n\n",
        f.primeira.ateMenu, f.primeiroPiso.ateMenu);
}

} // namespace cbbench
