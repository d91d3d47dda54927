// Shared by the fuzz targets: a fresh host store for every input, and the input cut into the occurrences of a
// reply service, written the way the platform stores a reply (occurrences 0.., zero-padded count 110 higher).
#pragma once

#include "hostlink.h"
#include "vortasim.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Once per process: the audit trail and the result file point into a folder that does not exist, so the
// parsers' audit lines cost nothing and leave nothing behind.
inline void Prepara() {
    static const bool pronto = [] {
        setenv("CB_HOST_DIR", "/nonexistent/cb-fuzz", 1);
        return true;
    }();
    (void)pronto;
    VortaSimReinicia();
}

// The input: the first byte steers the harness (how the count is written, small numbers), the rest is data.
struct Entrada {
    uint8_t controle = 0;
    std::string_view dados;
};

inline Entrada Separa(const uint8_t* d, size_t n) {
    Entrada e;
    if (n == 0) return e;
    e.controle = d[0];
    e.dados = std::string_view(reinterpret_cast<const char*>(d + 1), n - 1);
    return e;
}

// Lines of the data ('\n' separated), at most maximo of them.
inline std::vector<std::string_view> Linhas(std::string_view dados, size_t maximo = 64) {
    std::vector<std::string_view> v;
    while (!dados.empty() && v.size() < maximo) {
        const size_t fim = dados.find('\n');
        v.push_back(dados.substr(0, fim));
        if (fim == std::string_view::npos) break;
        dados.remove_prefix(fim + 1);
    }
    return v;
}

inline void Grava(int campo, int ocorrencia, std::string_view v) {
    HostlinkGravaCampo(campo, ocorrencia, v.data(), static_cast<uint16_t>(std::min<size_t>(v.size(), 65535)));
}

// Occurrences of a service and its count. Bits 0-1 of controle: 0 the true count, 1 no count field, 2 a count
// that announces more than there are, 3 a count that is not a number.
inline void Servico(int campo, const std::vector<std::string_view>& ocorrencias, int largura,
                    uint8_t controle) {
    for (size_t i = 0; i < ocorrencias.size(); ++i)
        Grava(campo, static_cast<int>(i), ocorrencias[i]);
    char contagem[32];
    switch (controle & 3) {
    case 0:
        std::snprintf(contagem, sizeof contagem, "%0*zu", largura, ocorrencias.size());
        break;
    case 1:
        return;
    case 2:
        std::snprintf(contagem, sizeof contagem, "%0*zu", largura, ocorrencias.size() + (controle >> 5));
        break;
    default:
        std::snprintf(contagem, sizeof contagem, "%c%c", 'x', '1');
        break;
    }
    Grava(campo + 110, 0, contagem);
}

// A finding of the harness's own checks: libFuzzer reports the input.
inline void Exige(bool condicao, const char* o_que) {
    if (!condicao) {
        std::fprintf(stderr, "fuzz: broken invariant: %s\n", o_que);
        std::abort();
    }
}

} // namespace fuzz
