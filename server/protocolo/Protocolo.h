// Requests and replies between the host's integration library and the payment server: what a descriptor makes
// of the host fields, and the frames that carry it. Shared by the platform (client side) and the simulated server.
#pragma once

#include "basekit.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cbwire {

// One sent entry: the host field it came from (0 for a constant or a module variable), its occurrence, the
// descriptor's format and separator, the prefix and the value (Latin-1 bytes).
struct Item {
    uint16_t campo = 0;
    uint16_t ocorrencia = 0;
    uint16_t formato = 0;
    uint8_t separador = 0;
    std::string prefixo;
    std::string valor;
    bool operator==(const Item&) const = default;
};

struct Pedido {
    uint16_t codigo = 0;    // transaction code (242, 241, 197, 198)
    uint16_t indicador = 0; // 0 query / parameter load, 1 money or receipt
    uint8_t flag = 0;       // the caller's flag of AutorizaTransacao
    std::vector<Item> itens;
    bool operator==(const Pedido&) const = default;
};

// A reply: the result code and text for fields 1009 and 1027, the services by letter (occurrences in order)
// and the h-records in order.
struct Resposta {
    std::string codigo;
    std::string mensagem;
    std::vector<std::pair<char, std::vector<std::string>>> servicos;
    std::vector<std::string> hRegistros;
    bool operator==(const Resposta&) const = default;
};

// Current contents of a host field; nullopt when absent (sent as empty).
using LeitorCampo = std::function<std::optional<std::string>(int campo, int ocorrencia)>;

// Walks the descriptor: 65535 entries are skipped; field 0 sends its text (constant or the variable's current
// text); any other entry sends its prefix and the field's current value; a per-document block is sent as many
// times as its first entry's occurrence says, occurrence i on the i-th pass.
Pedido MontaPedido(const TTabelaTrn& descritor, const LeitorCampo& le, uint8_t flag = 0);

// Frames: length-prefixed, documented in server/PROTOCOL.md. Decoding never trusts its input: a malformed or
// truncated frame gives nullopt.
std::string CodificaPedido(const Pedido& pedido);
std::optional<Pedido> DecodificaPedido(std::string_view quadro);
std::string CodificaResposta(const Resposta& resposta);
std::optional<Resposta> DecodificaResposta(std::string_view quadro);

// Host field of a service letter: 20000 + n, n = the digit for '0'-'9', 10-35 for 'A'-'Z', 38 for 'c';
// 0 for a letter that has no field. Its occurrence count lives 110 higher.
int CampoDoServico(char servico);

// Overwrites the bytes before they are dropped: frames and requests carry card data and PIN blocks.
void Apaga(std::string& s);
void Apaga(Pedido& p);
// The PIN pad's block for a secret typed while dados (field 10104) was held: a keyed hash of both under the
// working key the bank shares, 16 hexadecimal digits; empty when it cannot be computed.
std::string BlocoDeSenha(std::string_view segredo, std::string_view dados);

} // namespace cbwire
