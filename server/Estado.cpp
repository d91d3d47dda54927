#include "Estado.h"

namespace cbserver {

void Estado::Anota(const std::string& chave) {
    if (antes_.count(chave)) return;
    const auto i = mapa_.find(chave);
    antes_.emplace(chave, i == mapa_.end() ? std::nullopt : std::optional<std::string>(i->second));
}

Estado::Alteracoes Estado::Alteradas() const {
    Alteracoes lista;
    for (const auto& [chave, antes] : antes_) {
        const auto i = mapa_.find(chave);
        const auto agora = i == mapa_.end() ? std::nullopt : std::optional<std::string>(i->second);
        if (agora != antes) lista.emplace_back(chave, agora);
    }
    return lista;
}

void Estado::Desfaz() {
    for (const auto& [chave, antes] : antes_) {
        if (antes)
            mapa_[chave] = *antes;
        else
            mapa_.erase(chave);
    }
    antes_.clear();
}

} // namespace cbserver
