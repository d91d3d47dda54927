// Transaction descriptors shared by many dialogs, the notation every descriptor table of the module is
// written in, and the adjustments a dialog makes to the copy of its descriptor that goes with a request.
#pragma once

#include "basekit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <vector>

// The host reads descriptors byte for byte: 13-byte entries and 537-byte descriptors with 32-bit pointers,
// the pointer at its natural width otherwise, never padded.
static_assert(sizeof(TCampoTrn) == 9 + sizeof(void*));
static_assert(sizeof(TTabelaTrn) == 4 + TABELATRN_MAX_CAMPOS * sizeof(TCampoTrn));
static_assert(sizeof(void*) != 4 || (sizeof(TCampoTrn) == 13 && sizeof(TTabelaTrn) == 537));

namespace Tabelatrn {

// Building blocks of the descriptor tables. F(n) is field n, occurrence 0; F(n, i) occurrence i; F(n, "PFX:")
// and F(n, i, "PFX:") add a prefix; F(n, variavel) takes a module variable's current text as the prefix.
// K("x") sends a constant, K(variavel) a module variable's current text. .bloco(b), .fmt(c) and .sep(s) set
// Bloco, Formato and Separador. Descritor() lays the entries out in order and fills the rest with spares.
namespace Notacao {

struct Entrada {
    TCampoTrn c{};

    constexpr Entrada bloco(uint16_t b) const {
        Entrada e = *this;
        e.c.Bloco = b;
        return e;
    }
    constexpr Entrada fmt(uint16_t f) const {
        Entrada e = *this;
        e.c.Formato = f;
        return e;
    }
    constexpr Entrada sep(uint8_t s) const {
        Entrada e = *this;
        e.c.Separador = s;
        return e;
    }
};

constexpr Entrada Monta(uint16_t campo, uint16_t ocorrencia, const char* texto) {
    Entrada e;
    e.c.Campo = campo;
    e.c.Ocorrencia = ocorrencia;
    e.c.Texto = texto;
    return e;
}

constexpr Entrada F(uint16_t campo, uint16_t ocorrencia = 0) {
    return Monta(campo, ocorrencia, nullptr);
}
constexpr Entrada F(uint16_t campo, const char* prefixo) {
    return Monta(campo, 0, prefixo);
}
constexpr Entrada F(uint16_t campo, uint16_t ocorrencia, const char* prefixo) {
    return Monta(campo, ocorrencia, prefixo);
}
template <std::size_t N> constexpr Entrada F(uint16_t campo, std::array<char, N>& variavel) {
    return Monta(campo, 0, variavel.data());
}
constexpr Entrada K(const char* constante) {
    return Monta(0, 0, constante);
}
template <std::size_t N> constexpr Entrada K(std::array<char, N>& variavel) {
    return Monta(0, 0, variavel.data());
}

// One entry or a run of entries that the tables name by a letter. Converts from a single entry so that both
// can stand side by side in a descriptor's list.
struct Grupo {
    static constexpr std::size_t kMaximo = 9;
    std::array<TCampoTrn, kMaximo> entradas{};
    std::size_t quantidade = 0;

    constexpr Grupo(Entrada e) : quantidade(1) { entradas[0] = e.c; }
    constexpr Grupo(std::initializer_list<Entrada> lista) {
        if (lista.size() > kMaximo) throw std::length_error("grupo longo demais");
        for (const Entrada& e : lista)
            entradas[quantidade++] = e.c;
    }
};

// Runs of entries that many descriptors share.
inline constexpr Grupo A{F(10112), F(10171), F(10103), F(10158)};
inline constexpr Grupo B{K(""), F(10171), F(10103), F(10158)};
inline constexpr Grupo C{F(10171), F(10103), F(10158)};
inline constexpr Grupo P3{F(10243, "NSPIN:"), F(10242, "CHKSUM:"), F(10149, "CSEG:")};
inline constexpr Grupo T3{F(10174).sep(255), F(10175).sep(255), F(10176).sep(255)};
// Per-document block: the head entry holds the number of documents in its occurrence word and the block's
// size in Bloco; the seven entries after it go once per document.
inline constexpr Grupo D7{F(10162, 1).bloco(7), F(10163), F(10164), F(10165), F(10166), F(10167), F(10168),
                          F(10169).fmt(5)};
inline constexpr Grupo D7F{
    F(10162, 1).bloco(7), F(10163), F(10164), F(10165), F(10166), F(1112), F(10167), F(10168),
    F(10169).fmt(5)};
// Marker of the additional values of a network bill payment, and the values themselves.
inline constexpr const char* kValoresAdicionais = "VLRADD:";
inline constexpr Grupo V{K(kValoresAdicionais).sep(255), F(10407, "648=").sep(59), F(10407, 1, "2047=")};

constexpr TCampoTrn Sobra() {
    TCampoTrn c{};
    c.Campo = CAMPOTRN_IGNORADO;
    return c;
}

// Evaluated while compiling (every descriptor is constinit), so a list longer than the 41 slots stops the
// build instead of being cut.
constexpr TTabelaTrn Descritor(uint16_t codigo, uint16_t indicador, std::initializer_list<Grupo> grupos) {
    TTabelaTrn t{};
    t.CodigoTransacao = codigo;
    t.Indicador = indicador;
    std::size_t n = 0;
    for (const Grupo& g : grupos) {
        for (std::size_t i = 0; i < g.quantidade; ++i) {
            if (n == TABELATRN_MAX_CAMPOS) throw std::length_error("descritor longo demais");
            t.Campos[n++] = g.entradas[i];
        }
    }
    for (; n < TABELATRN_MAX_CAMPOS; ++n)
        t.Campos[n] = Sobra();
    return t;
}

} // namespace Notacao

// What one dialog changes in its request, kept apart from the descriptor, which never changes: the number of
// documents (cheques, holders) its per-document block goes for, entries it leaves out, and for a network bill
// with no minimum and maximum values the entry just before the "VLRADD:" group.
struct Ajustes {
    std::optional<uint16_t> documentos;
    std::vector<uint16_t> descartados;
    bool semEntradaAntesValoresAdicionais = false;
};

// The request as it goes: a copy of the descriptor with the adjustments made (for each field left out, its
// first entry becomes a spare).
TTabelaTrn Aplica(const TTabelaTrn& descritor, const Ajustes& ajustes);

// Every descriptor of the module registers itself where it is defined (CB_DESCRITOR), so that whatever walks
// them all, as the integrity checks do, can never miss one.
struct Registro {
    const char* nome; // "Unit::Name"
    const TTabelaTrn* descritor;
};
const std::vector<Registro>& Registrados();
struct Registra {
    Registra(const char* nome, const TTabelaTrn& descritor);
};

// Module variables whose current text the descriptors send (NUL-terminated).
// The kind's data of a withdrawal cancellation (257 bytes, NUL included).
extern std::array<char, 257> acDadosConta_Recibo;

extern const TTabelaTrn TrnConsultaSaldo;
extern const TTabelaTrn TrnCancelamentoSaqueChequeReciboCartMag;
extern const TTabelaTrn TrnConsultaExtrato;
extern const TTabelaTrn TrnConsultaEmprestimoConsignado;
extern const TTabelaTrn TrnConsultaPropostaMaximaEmprestimoConsignado;
extern const TTabelaTrn TrnSimulaEmprestimoConsignado;
extern const TTabelaTrn TrnEfetivaEmprestimoConsignado;
extern const TTabelaTrn TrnConsultaEmprestimo;
extern const TTabelaTrn TrnSimulaEmprestimo;
extern const TTabelaTrn TrnEfetivaEmprestimo;
extern const TTabelaTrn TrnConsultaDadosCadastrais;
extern const TTabelaTrn TrnAberturaConta;
extern const TTabelaTrn TrnDadosContaPagueFacil;
extern const TTabelaTrn TrnConsultaDesbloqueioTalonario;
extern const TTabelaTrn TrnDesbloqueioTalonario;
extern const TTabelaTrn TrnRevalidacaoSenhaCartaoINSS;
extern const TTabelaTrn TrnConsultaTransferencia;
extern const TTabelaTrn TrnEfetivaTransferencia;
extern const TTabelaTrn TrnConsultaDadosDepositoIdentificado;
extern const TTabelaTrn TrnConsultaCestaServicos;
extern const TTabelaTrn TrnAlteracaoCestaServicos;
extern const TTabelaTrn TrnConsultaBeneficioINSS;
extern const TTabelaTrn TrnConsultaDemonstrativoCredBeneficios;
extern const TTabelaTrn TrnPedido2aViaCartaoDebito;
extern const TTabelaTrn TrnConsultaSaldoCartaoPrePago;
extern const TTabelaTrn TrnConsultaExtratoCartaoPrePago;
extern const TTabelaTrn TrnDepositoCartaoPrePago;
extern const TTabelaTrn TrnConsIdCliDepositoCartaoPrePago;
extern const TTabelaTrn TrnConsIdCliSaqueCartaoPrePago;
extern const TTabelaTrn TrnTransferenciaCartaoPrePago;
extern const TTabelaTrn TrnConsultaDispositivoSegurancaToken;

} // namespace Tabelatrn

// Defines the descriptor nome of the unit's namespace, never to change, and enters it in the registry.
#define CB_DESCRITOR(unidade, nome, ...)                                                                     \
    constinit const TTabelaTrn nome = __VA_ARGS__;                                                           \
    const ::Tabelatrn::Registra registro##nome(#unidade "::" #nome, nome)
