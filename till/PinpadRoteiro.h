// The simulated PIN pad as a script drives it: the cards on offer (the scenario's, then the script's own),
// the card the customer presents, and the answers of a "pinpad" key (analyses, PINs, confirmations, faults).
#pragma once

#include "CartoesPinpad.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class Segredos;

namespace cbserver {
struct CartaoCenario;
} // namespace cbserver

class PinpadRoteiro {
public:
    // cartoesDoCenario: the scenario's cards as they stand (a call may load another scenario). Every card and
    // PIN given goes to segredos, for the safety net.
    PinpadRoteiro(Segredos& segredos, std::function<std::vector<cbserver::CartaoCenario>()> cartoesDoCenario);
    ~PinpadRoteiro();
    PinpadRoteiro(const PinpadRoteiro&) = delete;
    PinpadRoteiro& operator=(const PinpadRoteiro&) = delete;

    // Offers the cards again, before every call, and presents the chosen one.
    void CarregaCartoes();
    // Applies a "pinpad" object (onde names it in failures); false with the reason in erro.
    bool Aplica(const QJsonValue& pinpad, const QString& onde, QString& erro);

    // Each expected text is found, in order, in an event after the one the previous matched; empty when so,
    // else the failure.
    static QString ConfereEventos(const QStringList& eventos, const QJsonArray& esperados);

private:
    Segredos& segredos_;
    std::function<std::vector<cbserver::CartaoCenario>()> cartoesDoCenario_;
    std::vector<cbserver::CartaoCenario> cartoesExtras_; // the script's own, after the scenario's
    QList<CartaoPinpad> cartoes_;
    int cartaoApresentado_ = -1;
};
