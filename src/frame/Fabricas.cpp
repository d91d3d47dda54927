#include "frame/Fabricas.h"

#include <cstring>
#include <utility>
#include <vector>

namespace Fabricas {

namespace {
std::vector<std::pair<const char*, Fabrica>>& Todas() {
    static std::vector<std::pair<const char*, Fabrica>> todas;
    return todas;
}
} // namespace

Registra::Registra(const char* classe, Fabrica fabrica) {
    Todas().emplace_back(classe, fabrica);
}

Fabrica Busca(const char* classe) {
    for (const auto& [nome, fabrica] : Todas()) {
        if (std::strcmp(nome, classe) == 0) return fabrica;
    }
    return nullptr;
}

TFrmMod* Cria(const char* classe, QWidget* pai) {
    const Fabrica f = Busca(classe);
    return f ? f(pai) : nullptr;
}

} // namespace Fabricas
