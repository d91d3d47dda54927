// The scenario's cards on the simulated PIN pad, and how the till shows them: description, masked number,
// chip or stripe, and the index the platform gave each. The till keeps no card number of its own.
#pragma once

#include <QList>
#include <QString>

#include <string_view>
#include <vector>

namespace cbserver {
struct CartaoCenario;
}

struct CartaoPinpad {
    QString descricao;
    QString numeroMascarado; // first 6 and last 4 digits
    bool chip = false;
    int indice = -1; // on the simulated PIN pad
};

// At most the first 6 and the last 4 digits stay visible; a number too short for that is all '*'.
QString MascaraNumeroCartao(std::string_view numero);
// Replaces the cards on offer with these, in this order, and returns how the till shows them.
QList<CartaoPinpad> CarregaCartoesPinpad(const std::vector<cbserver::CartaoCenario>& cartoes);
// Overwrites the numbers and tracks of copies the till no longer needs.
void ApagaCartoes(std::vector<cbserver::CartaoCenario>& cartoes);
