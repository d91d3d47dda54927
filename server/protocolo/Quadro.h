// Frame limits and header, for the transports: a reader takes the fixed header first to learn how many bytes
// the frame has, then reads exactly those. The layout is in server/PROTOCOL.md.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace cbwire {

inline constexpr std::string_view kMarcaQuadro = "CBW1";
inline constexpr char kTipoPedido = 'P';
inline constexpr char kTipoResposta = 'R';
// Mark, kind and the body's length in 8 decimal digits.
inline constexpr std::size_t kCabecalhoQuadro = 13;
inline constexpr std::size_t kMaxCorpo = std::size_t{16} << 20;
inline constexpr std::size_t kMaxQuadro = kCabecalhoQuadro + kMaxCorpo;
// A text item (prefix, value, result code and text, service occurrence, h-record) fits a host field.
inline constexpr std::size_t kMaxTexto = 65535;
inline constexpr std::size_t kMaxItens = 9999;
inline constexpr std::size_t kMaxServicos = 99;
inline constexpr std::size_t kMaxOcorrencias = 99999;
// Service A's count field holds 4 digits.
inline constexpr std::size_t kMaxOcorrenciasA = 9999;
inline constexpr std::size_t kMaxHRegistros = 99999;

// Whole length of the frame that starts with this header (its first kCabecalhoQuadro bytes); nullopt when
// they are not a header of the given kind or announce more than kMaxCorpo.
std::optional<std::size_t> TamanhoQuadro(std::string_view cabecalho, char tipo);

} // namespace cbwire
