// Request items as the module's descriptors put them in a frame, and the simulated bank that answers them
// in-process, for the tests that ask it directly.
#pragma once

#include "Protocolo.h"
#include "Servidor.h"

#include <gtest/gtest.h>

#include <QString>

#include <cstdint>
#include <string>

inline cbwire::Item Item(uint16_t campo, const std::string& valor, uint16_t ocorrencia = 0) {
    cbwire::Item i;
    i.campo = campo;
    i.ocorrencia = ocorrencia;
    i.valor = valor;
    return i;
}

// Loads one of the scenarios of server/scenarios; one that does not load fails the test there.
inline void AbreCenario(cbserver::Servidor& s, const char* nome) {
    QString erro;
    ASSERT_TRUE(s.CarregaCenario(QStringLiteral(CB_CENARIOS "/") + QLatin1String(nome), &erro))
        << erro.toStdString();
}

// The bank's answer to a request as the platform reads it off the wire; a reply that cannot be read fails the
// test and comes back empty.
inline cbwire::Resposta Responde(cbserver::Servidor& s, const cbwire::Pedido& p) {
    const auto r = cbwire::DecodificaResposta(s.Atende(cbwire::CodificaPedido(p)));
    EXPECT_TRUE(r.has_value());
    return r.value_or(cbwire::Resposta{});
}
