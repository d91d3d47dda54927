// Transaction descriptors shared by many dialogs, the notation every descriptor table of the module is
// written in, and the run-time adjustments the dialogs make to descriptors before a send.
#pragma once

#include "basekit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>

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

// Sets the number of documents (cheques, holders) of the descriptor's per-document block: the occurrence word
// of the block's head entry. False when the descriptor has no such block.
bool DefineQtdeDocumentos(TTabelaTrn& descritor, uint16_t quantidade);

// Drops the first entry that sends the field (its field number becomes 65535). False when none does. Drops
// are not undone: the entry stays out while the module is loaded.
bool DescartaCampo(TTabelaTrn& descritor, uint16_t campo);

// Drops the entry just before the "VLRADD:" group of a network bill payment, for a bill with no minimum and
// maximum values. Applying it again changes nothing. False when the descriptor has no such group.
bool DescartaCampoAntesValoresAdicionais(TTabelaTrn& descritor);

// Module variables whose current text the descriptors send (NUL-terminated).
// The kind's data of a withdrawal cancellation (257 bytes, NUL included).
extern std::array<char, 257> acDadosConta_Recibo;

extern TTabelaTrn TrnConsultaSaldo;
extern TTabelaTrn TrnCancelamentoSaqueChequeReciboCartMag;
extern TTabelaTrn TrnConsultaExtrato;
extern TTabelaTrn TrnConsultaEmprestimoConsignado;
extern TTabelaTrn TrnConsultaPropostaMaximaEmprestimoConsignado;
extern TTabelaTrn TrnSimulaEmprestimoConsignado;
extern TTabelaTrn TrnEfetivaEmprestimoConsignado;
extern TTabelaTrn TrnConsultaEmprestimo;
extern TTabelaTrn TrnSimulaEmprestimo;
extern TTabelaTrn TrnEfetivaEmprestimo;
extern TTabelaTrn TrnConsultaDadosCadastrais;
extern TTabelaTrn TrnAberturaConta;
extern TTabelaTrn TrnDadosContaPagueFacil;
extern TTabelaTrn TrnConsultaDesbloqueioTalonario;
extern TTabelaTrn TrnDesbloqueioTalonario;
extern TTabelaTrn TrnRevalidacaoSenhaCartaoINSS;
extern TTabelaTrn TrnConsultaTransferencia;
extern TTabelaTrn TrnEfetivaTransferencia;
extern TTabelaTrn TrnConsultaDadosDepositoIdentificado;
extern TTabelaTrn TrnConsultaCestaServicos;
extern TTabelaTrn TrnAlteracaoCestaServicos;
extern TTabelaTrn TrnConsultaBeneficioINSS;
extern TTabelaTrn TrnConsultaDemonstrativoCredBeneficios;
extern TTabelaTrn TrnPedido2aViaCartaoDebito;
extern TTabelaTrn TrnConsultaSaldoCartaoPrePago;
extern TTabelaTrn TrnConsultaExtratoCartaoPrePago;
extern TTabelaTrn TrnDepositoCartaoPrePago;
extern TTabelaTrn TrnConsIdCliDepositoCartaoPrePago;
extern TTabelaTrn TrnConsIdCliSaqueCartaoPrePago;
extern TTabelaTrn TrnTransferenciaCartaoPrePago;
extern TTabelaTrn TrnConsultaDispositivoSegurancaToken;

} // namespace Tabelatrn
