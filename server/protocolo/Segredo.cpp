// The PIN block: the keyed hash the PIN pad makes and the bank checks.
#include "Protocolo.h"

#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/params.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string.h>

namespace cbwire {

namespace {

// The working key the PIN pad and the bank share.
constexpr char kChaveTrabalho[] = "vorta-pinpad-chave-de-trabalho";

} // namespace

std::string BlocoDeSenha(std::string_view segredo, std::string_view dados) {
    // OpenSSL's context is cleansed when freed, unlike a hash object that keeps the last block it was fed;
    // the secret and the card data go in by pieces, never joined in a buffer of our own.
    const std::unique_ptr<EVP_MAC, decltype(&EVP_MAC_free)> mac(EVP_MAC_fetch(nullptr, "HMAC", nullptr),
                                                                &EVP_MAC_free);
    if (!mac) return {};
    const std::unique_ptr<EVP_MAC_CTX, decltype(&EVP_MAC_CTX_free)> ctx(EVP_MAC_CTX_new(mac.get()),
                                                                        &EVP_MAC_CTX_free);
    char digest[] = "SHA256";
    const OSSL_PARAM parametros[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
                                     OSSL_PARAM_construct_end()};
    std::array<unsigned char, EVP_MAX_MD_SIZE> saida{};
    size_t tamanho = 0;
    const auto parte = [&](std::string_view t) {
        return EVP_MAC_update(ctx.get(), reinterpret_cast<const unsigned char*>(t.data()), t.size()) == 1;
    };
    if (!ctx ||
        EVP_MAC_init(ctx.get(), reinterpret_cast<const unsigned char*>(kChaveTrabalho),
                     sizeof kChaveTrabalho - 1, parametros) != 1 ||
        !parte(segredo) || !parte("|") || !parte(dados) ||
        EVP_MAC_final(ctx.get(), saida.data(), &tamanho, saida.size()) != 1 || tamanho < 8)
        return {};
    // The first 8 bytes, as 16 upper-case hexadecimal digits.
    std::string bloco(16, '0');
    for (size_t i = 0; i < 8; ++i)
        std::snprintf(bloco.data() + 2 * i, 3, "%02X", saida[i]);
    explicit_bzero(saida.data(), saida.size());
    return bloco;
}

} // namespace cbwire
