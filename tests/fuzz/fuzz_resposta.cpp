// Reply frames as the platform receives them: a decoded reply encodes and decodes back to itself.
#include "Alvo.h"

#include "Protocolo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    const std::string_view quadro(reinterpret_cast<const char*>(d), n);
    const auto resposta = cbwire::DecodificaResposta(quadro);
    if (!resposta) return 0;
    const std::string de_novo = cbwire::CodificaResposta(*resposta);
    fuzz::Exige(!de_novo.empty(), "a decoded reply encodes");
    const auto outra_vez = cbwire::DecodificaResposta(de_novo);
    fuzz::Exige(outra_vez && *outra_vez == *resposta, "reply round trip");
    return 0;
}
