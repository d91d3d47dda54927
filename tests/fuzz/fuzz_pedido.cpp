// Request frames as the server receives them: a decoded request encodes and decodes back to itself.
#include "Alvo.h"

#include "Protocolo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    const std::string_view quadro(reinterpret_cast<const char*>(d), n);
    const auto pedido = cbwire::DecodificaPedido(quadro);
    if (!pedido) return 0;
    const std::string de_novo = cbwire::CodificaPedido(*pedido);
    fuzz::Exige(!de_novo.empty(), "a decoded request encodes");
    const auto outra_vez = cbwire::DecodificaPedido(de_novo);
    fuzz::Exige(outra_vez && *outra_vez == *pedido, "request round trip");
    return 0;
}
