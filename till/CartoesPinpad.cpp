#include "CartoesPinpad.h"

#include "Servidor.h"

#include "vortasim.h"

#include <string.h>

QString MascaraNumeroCartao(std::string_view numero) {
    const auto n = static_cast<qsizetype>(numero.size());
    if (n < 13) return QString(n, QLatin1Char('*'));
    return QString::fromLatin1(numero.substr(0, 6)) + QString(n - 10, QLatin1Char('*')) +
           QString::fromLatin1(numero.substr(numero.size() - 4));
}

QList<CartaoPinpad> CarregaCartoesPinpad(const std::vector<cbserver::CartaoCenario>& cartoes) {
    VortaSimPinpadLimpaCartoes();
    QList<CartaoPinpad> lista;
    for (const auto& c : cartoes) {
        const int indice = VortaSimPinpadAdicionaCartao(
            c.numero.c_str(), c.trilha2.c_str(), c.validade.c_str(), c.codigoServico.c_str(),
            c.chip ? VORTASIM_CARTAO_CHIP : VORTASIM_CARTAO_MAGNETICO, c.rede.c_str());
        lista.append({QString::fromLatin1(c.descricao), MascaraNumeroCartao(c.numero), c.chip, indice});
    }
    return lista;
}

void ApagaCartoes(std::vector<cbserver::CartaoCenario>& cartoes) {
    for (auto& c : cartoes) {
        explicit_bzero(c.numero.data(), c.numero.size());
        explicit_bzero(c.trilha2.data(), c.trilha2.size());
    }
    cartoes.clear();
}
