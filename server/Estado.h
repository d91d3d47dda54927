// What the handlers change as they answer, by key of each handler's own making: a map that notes, for the
// request being answered, the value each key had before it was first touched. That note is what a request
// changed (to write it to the database in one transaction) and how to undo it (when it fails, or the
// write does).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cbserver {

class Estado {
public:
    using Mapa = std::map<std::string, std::string>;
    using const_iterator = Mapa::const_iterator;
    // A key and its new value; none when the request removed it.
    using Alteracoes = std::vector<std::pair<std::string, std::optional<std::string>>>;

    // Every write goes through these, so none escapes the note; reads see the map as it stands.
    std::string& operator[](const std::string& chave) {
        Anota(chave);
        return mapa_[chave];
    }
    std::pair<const_iterator, bool> emplace(const std::string& chave, std::string valor) {
        Anota(chave);
        return mapa_.emplace(chave, std::move(valor));
    }
    size_t erase(const std::string& chave) {
        Anota(chave);
        return mapa_.erase(chave);
    }
    const_iterator erase(const_iterator i) {
        Anota(i->first);
        return mapa_.erase(i);
    }

    const_iterator find(const std::string& chave) const { return mapa_.find(chave); }
    size_t count(const std::string& chave) const { return mapa_.count(chave); }
    const_iterator lower_bound(const std::string& chave) const { return mapa_.lower_bound(chave); }
    const_iterator begin() const { return mapa_.begin(); }
    const_iterator end() const { return mapa_.end(); }
    size_t size() const { return mapa_.size(); }

    // A new request starts: forgets the note of the last one.
    void Inicia() { antes_.clear(); }
    // The keys whose value differs from what it was when the request started (a key read through
    // operator[] and left as it was is not a change).
    Alteracoes Alteradas() const;
    // Puts back every key the request touched.
    void Desfaz();
    // Replaces the whole map (as loaded from the database), with no note.
    void Substitui(Mapa mapa) {
        mapa_ = std::move(mapa);
        antes_.clear();
    }

private:
    void Anota(const std::string& chave);

    Mapa mapa_;
    std::map<std::string, std::optional<std::string>> antes_;
};

} // namespace cbserver
