// Request items as the module's descriptors put them in a frame, for the tests that ask the simulated bank
// directly.
#pragma once

#include "Protocolo.h"

#include <cstdint>
#include <string>

inline cbwire::Item Item(uint16_t campo, const std::string& valor, uint16_t ocorrencia = 0) {
    cbwire::Item i;
    i.campo = campo;
    i.ocorrencia = ocorrencia;
    i.valor = valor;
    return i;
}
