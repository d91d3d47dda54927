// The records of the mobile top-up: the branch lists of the three networks, their plain values replies
// brought to one common form, the rich value catalogue of service Q "017D", the parameter records the values
// query brings, and the data the top-up reply leaves for the host. The layouts of the networks' replies and
// of the catalogue's wire form are described in server/PROTOCOL.md.
#pragma once

#include "protocol/Registro.h"

#include <QString>

#include <cstddef>
#include <string_view>
#include <vector>

namespace Lumomain {

// ---- Networks (field 10112 and 1205).
inline constexpr char REDE_RECARGA_BRADESCO[] = "805";
inline constexpr char REDE_RECARGA_CORBAN_OS[] = "810";
inline constexpr char REDE_RECARGA_GXS[] = "811";
enum class RedeRecarga { Bradesco, CorbanOS, GXS };
const char* CodigoRede(RedeRecarga rede);

// ---- Branch lists (the branch query's reply). Bradesco: service A, a 3-digit count, then entries of 57:
// code (5), name (50), UF (2). Corban OS and GXS: service B, a 2-digit count, then entries of 28: name (20),
// qualifier (3), code (5). A count larger than the entries that came is cut to them.
struct TFilialRecarga {
    QString codigo, nome, uf, qualificador;
};
struct TFiliaisRecarga {
    bool recebida = false;
    std::vector<TFilialRecarga> Filiais;
};
extern TFiliaisRecarga ServicoA_Consulta_Filiais;
extern TFiliaisRecarga ServicoBConsultaFiliaisHSBC;
// The list of a network (Corban OS and GXS share service B).
TFiliaisRecarga& FiliaisDaRede(RedeRecarga rede);
// Parses a branch list from its reply text; false (list empty, not received) when the text holds no count.
bool LeFiliais(RedeRecarga rede, std::string_view texto, TFiliaisRecarga& destino);
// Reads the network's branch list from its reply service; false when the reply has none.
bool TrataRespostaConsultaFiliais(RedeRecarga rede);

// ---- Plain values, common form (RespostaConsultaValores): fixed entries of value (12) and bonus (12), the
// free range and the tariff, each 12 characters as received.
struct TRespostaConsultaValores {
    std::vector<Registro<24>> Entradas;
    Registro<12> Minimo, Maximo, Tarifa;
    void limpa() {
        Entradas.clear();
        Minimo.limpa();
        Maximo.limpa();
        Tarifa.limpa();
    }
};
extern TRespostaConsultaValores RespostaConsultaValores;
// The network replies as received: Bradesco service A (header min, max, tariff, 2-digit count; values of
// 12), Corban OS service B and GXS service C (a header of 130 whose last 2 are the count; entries of 24; a
// trailer of 25: one character, min, max).
bool LeValores(RedeRecarga rede, std::string_view texto, TRespostaConsultaValores& destino);
// Each network's TrataRespostaConsultaValores: its reply into the common form; a missing reply leaves the
// form as it was. Corban OS with the catalogue switch (10323) builds the catalogue instead; every network
// empties the catalogue first.
bool TrataRespostaConsultaValores(RedeRecarga rede);

// ---- The catalogue (ConsultaValor) built from service Q "017D".
namespace Catalogo {
inline constexpr std::size_t TAM_CATEGORIA = 53;
// The most entries of each list one record may carry.
inline constexpr int MAX_FIXOS = 40;
inline constexpr int MAX_FAIXAS = 10;
inline constexpr int MAX_CATEGORIAS = 20;
// Fields of a fixed-value entry, offset and width; a range entry has its minimum (11) and maximum (11)
// first and the fields from the bonus on 11 characters further.
struct Campo {
    std::size_t off, len;
    // The bounds of a range: read where they are, never moved past them.
    bool limite = false;
};
inline constexpr Campo Valor{0, 11};
inline constexpr Campo Bonus{11, 11};
inline constexpr Campo Custo{22, 11};
inline constexpr Campo Validade{33, 4};
inline constexpr Campo Informacao{37, 101};
inline constexpr Campo BonusSms{138, 5};
inline constexpr Campo BonusPontos{143, 11};
inline constexpr Campo Chave{154, 11};
inline constexpr Campo Porcentagem{165, 11};
inline constexpr Campo ValidadeBonus{176, 4};
inline constexpr Campo Categoria{180, 3};
inline constexpr Campo TipoBonus{183, 3};
inline constexpr Campo Minimo{0, 11, true};
inline constexpr Campo Maximo{11, 11, true};
inline constexpr std::size_t DESLOCAMENTO_FAIXA = 11;
// An entry ends with its bonus kind; a range entry is that much longer.
inline constexpr std::size_t TAM_FIXO = TipoBonus.off + TipoBonus.len;
inline constexpr std::size_t TAM_FAIXA = TAM_FIXO + DESLOCAMENTO_FAIXA;
} // namespace Catalogo

struct TConsultaValor {
    std::vector<Registro<Catalogo::TAM_FIXO>> Fixos;
    std::vector<Registro<Catalogo::TAM_FAIXA>> Faixas;
    std::vector<Registro<Catalogo::TAM_CATEGORIA>> NomesCategorias;
    std::vector<Registro<Catalogo::TAM_CATEGORIA>> CategoriasOferecidas;
    Registro<3> CategoriaSelecionada;
    void limpa() {
        Fixos.clear();
        Faixas.clear();
        NomesCategorias.clear();
        CategoriasOferecidas.clear();
        CategoriaSelecionada.limpa();
    }
};
extern TConsultaValor ConsultaValor;
// The record (starting "017D") into the catalogue; a record whose counts are not numbers, exceed the limits
// or announce entries that did not come leaves the catalogue empty and gives false.
bool LeCatalogo(std::string_view registro, TConsultaValor& destino);
// TrataRetornoConsultaValoresDadosPublisher: the first service-Q record "017D" of the reply.
bool TrataRetornoConsultaValoresDadosPublisher();
// A field of a catalogue entry (fixed value or range), trimmed.
template <std::size_t N> QString CampoCatalogo(const Registro<N>& r, Catalogo::Campo c) {
    const std::size_t d = N == Catalogo::TAM_FAIXA && !c.limite ? Catalogo::DESLOCAMENTO_FAIXA : 0;
    return r.texto(c.off + d, c.len).trimmed();
}
// Two category codes name the same category: compared as numbers when both are digits ("1" and "001"),
// otherwise as their trimmed, upper-cased texts.
bool ComparaCodigosCategorias(const QString& a, const QString& b);
// The name of a bonus kind ("001" money has none: the plain "Bonus:" label is used); empty when unknown.
QString ObtemDescricaoBonus(const QString& codigo);
// The text with blanks before it so that it stands in the middle of largura characters (cut to it).
QString CentralizaMensagem(const QString& texto, int largura);

// ---- The module variables of the catalogue choice.
extern QString v_bonus, sCustoRecarga, sPeriodoValidade, sMsgInfoRecarga, sBonusSms, sBonusPontos,
    sChaveVlRecarga, sValorBonusRecarga, sPorcentagemBonusRecarga, sPeriodoValidadeBonus, sDescricaoBonus,
    sCategoriaRecarga;
void LimpaVariaveisGlobaisRecarga();
// The variables from a catalogue entry (fixed value or range).
template <std::size_t N> void GuardaVariaveisRecarga(const Registro<N>& r);

// ---- Parameter records of the values reply. 14: payment methods (body of 32; "1" at 25 cash, 26 cheque,
// 27 debit, 28 credit); 15: account types of the debit (body of 41; "1" at 25 to 29).
extern Registro<32> ServicoHzinho_RecargaCB_FormasPagto;
extern Registro<41> ServicoHzinho_Tipo_Conta_Aceita_TEF_Debito_RecargaCB;
// Records 14 to 17 of the reply, each cleared first.
void TrataServicosHzinhoRecarga();

// ---- The top-up.
// The method the customer pays with: 1 cash, 4 debit.
extern int iFormaPagtoRecarga;
// The fixed value chosen in the plain list (-1: the free value), and the range chosen in the catalogue.
extern int iIndiceValorRecarga;
extern int iIndiceFaixaRecarga;
// The phone number of the branch query, as typed.
extern QString sDDDRecarga, sNumeroRecarga;
// The result data of an approved top-up from its reply (field 20010): only a reply of 1 to 73 characters
// carries them; each write only after the one before succeeded.
void TrataRespostaRecarga();
// After an approved top-up the network (1205) becomes the host's network (10112), or 10112 is cleared.
void GravaRedeConcessionariaRecarga();

} // namespace Lumomain
