// basekit: search of the reply services kept in the field store. A service lives in field 20000 + n, its
// occurrences at indexes 0, 1, ...; the number of occurrences, where kept, is zero-padded decimal text 110
// fields higher (this is how AutorizaTransacao stores a reply).
#include "Estado.h"
#include "basekit.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

using namespace vorta;

namespace {

constexpr int kCampoServico5 = 20005;
constexpr int kDistanciaContagem = 110;
// The widest count kept (five digits).
constexpr long kMaxOcorrencias = 99999;

int campoDoServico(char servico) {
    if (servico >= '0' && servico <= '9') return 20000 + (servico - '0');
    if (servico >= 'A' && servico <= 'Z') return 20010 + (servico - 'A');
    if (servico == 'c') return 20038;
    return 0;
}

// Number of occurrences the count field announces; -1 when it is absent, 0 when it is not a number.
long contagem(int campo) {
    const auto& campos = estado().campos;
    auto it = campos.find({campo + kDistanciaContagem, 0});
    if (it == campos.end()) return -1;
    const std::string& t = it->second;
    long n = 0;
    bool algum = false;
    for (char c : t) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') return 0;
        algum = true;
        n = std::min(n * 10 + (c - '0'), kMaxOcorrencias);
    }
    return algum ? n : 0;
}

// The first element of service 5 (within its first limite occurrences, all when limite <= 0, and within the
// count when one is kept; without a count, up to the first missing index) that begins with prefixo.
const std::string* elementoServico5(std::string_view prefixo, int limite) {
    const auto& campos = estado().campos;
    const long total = contagem(kCampoServico5);
    long ultimo = total >= 0 ? total : kMaxOcorrencias;
    if (limite > 0) ultimo = std::min<long>(ultimo, limite);
    for (long i = 0; i < ultimo; ++i) {
        auto it = campos.find({kCampoServico5, static_cast<int>(i)});
        if (it == campos.end()) {
            if (total < 0) break;
            continue;
        }
        if (std::string_view(it->second).starts_with(prefixo)) return &it->second;
    }
    return nullptr;
}

} // namespace

extern "C" {

uint16_t VORTA_CALL ProcuraServico(int, int campo, char servico, int, char* buffer, uint16_t tamanho) {
    if (!buffer || tamanho == 0) return 0;
    buffer[0] = '\0';
    if (campo <= 0) campo = campoDoServico(servico);
    std::lock_guard g(trava());
    const auto& campos = estado().campos;
    auto it = campos.find({campo, 0});
    if (it == campos.end()) return 0;
    const size_t n = std::min<size_t>(it->second.size(), tamanho - 1u);
    std::memcpy(buffer, it->second.data(), n);
    buffer[n] = '\0';
    return static_cast<uint16_t>(n);
}

bool VORTA_CALL VerificaServico5(const char* prefixo, int limite) {
    if (!prefixo || !*prefixo) return false;
    std::lock_guard g(trava());
    return elementoServico5(prefixo, limite) != nullptr;
}

int VORTA_CALL VerificaServico5String(const char* prefixo, char* saida, int capacidade) {
    if (saida && capacidade > 0) saida[0] = '\0';
    if (!prefixo || !*prefixo) return -1;
    std::lock_guard g(trava());
    const std::string* e = elementoServico5(prefixo, 0);
    if (!e) return -1;
    if (saida && capacidade > 0) {
        const size_t n = std::min(e->size(), static_cast<size_t>(capacidade - 1));
        std::memcpy(saida, e->data(), n);
        saida[n] = '\0';
    }
    return static_cast<int>(e->size());
}

} // extern "C"
