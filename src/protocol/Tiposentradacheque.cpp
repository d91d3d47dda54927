#include "protocol/Tiposentradacheque.h"

#include <array>
#include <cstddef>

namespace Lumomain {

namespace {

// The types listed, in item order; n receives how many.
std::array<int, 3> TiposListados(int tag, int quantidadeItens, int& n) {
    std::array<int, 3> tipos{};
    n = 0;
    const int porTag = ((tag & 1) ? 1 : 0) + ((tag & 2) ? 1 : 0);
    if (quantidadeItens > porTag) tipos[n++] = 0;
    if (tag & 1) tipos[n++] = 1;
    if (tag & 2) tipos[n++] = 2;
    // A combo holding fewer items than its tag names lists only its first ones.
    if (n > quantidadeItens) n = quantidadeItens < 0 ? 0 : quantidadeItens;
    return tipos;
}

} // namespace

int VerificaRetornaIndiceIndividualTipoEntrada(int tag, int quantidadeItens, int indice) {
    int n = 0;
    const auto tipos = TiposListados(tag, quantidadeItens, n);
    return indice >= 0 && indice < n ? tipos[static_cast<size_t>(indice)] : -1;
}

int VerificaRetornaIndiceComboTipoEntradaCheque(int tag, int quantidadeItens, int tipo) {
    int n = 0;
    const auto tipos = TiposListados(tag, quantidadeItens, n);
    for (int i = 0; i < n; ++i)
        if (tipos[static_cast<size_t>(i)] == tipo) return i;
    return -1;
}

} // namespace Lumomain
