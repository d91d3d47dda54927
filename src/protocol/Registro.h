// Fixed-width records of the server's replies, read only through texto/inteiro/vazio so that every
// "characters at offset X read as a number, default D" is the same tested call.
#pragma once

#include "host/Host.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

template <std::size_t N> struct Registro {
    std::array<char, N> dados{};

    void limpa() { dados.fill('\0'); }
    void atribui(std::string_view bytes) {
        limpa();
        std::copy_n(bytes.begin(), std::min(bytes.size(), N), dados.begin());
    }
    // The whole record, cut at the first NUL (never-filled bytes).
    QString texto() const { return texto(0, N); }
    // The characters at [off, off + len), cut at the record's end and at the first NUL (never-filled bytes).
    QString texto(std::size_t off, std::size_t len) const {
        if (off >= N) return {};
        const std::size_t n = std::min(len, N - off);
        std::string_view v(dados.data() + off, n);
        v = v.substr(0, v.find('\0'));
        return host::deLatin1(v);
    }
    // Those characters, blanks trimmed, as a decimal integer; padrao when they are not one.
    int inteiro(std::size_t off, std::size_t len, int padrao) const {
        bool ok = false;
        const int v = texto(off, len).trimmed().toInt(&ok);
        return ok ? v : padrao;
    }
    // True when those characters are all blanks or never filled.
    bool vazio(std::size_t off, std::size_t len) const { return texto(off, len).trimmed().isEmpty(); }
};
