#include "frame/Unidades.h"

#include "frame/Modelolumo.h"

#include <array>

namespace Unidades {
namespace {

struct Unidade {
    const char* nome;
    void (*inicializa)();
    void (*finaliza)();
    int carregamentos; // a unit runs its initialization only on the first load
};

// In load order; units are added here as they gain initialization or finalization work.
std::array<Unidade, 2> unidades{{
    {"Lumomain", &Lumomain::InicializaUnidade, &Lumomain::FinalizaUnidade, 0},
    {"Modelolumo", &Modelolumo::AqueceTelas, nullptr, 0},
}};

} // namespace

void Inicializa() {
    for (auto& u : unidades) {
        if (u.carregamentos++ == 0 && u.inicializa) u.inicializa();
    }
}

void Finaliza() {
    for (auto it = unidades.rbegin(); it != unidades.rend(); ++it) {
        if (it->carregamentos > 0 && --it->carregamentos == 0 && it->finaliza) it->finaliza();
    }
}

} // namespace Unidades
