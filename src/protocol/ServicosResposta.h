// Module-wide records kept from the server's replies, and the operations that search, copy, convert, save and
// restore them. Other units read the stored records by their offsets and never parse reply fields themselves.
//
// Where a reply lives: service n in host field 20000 + n (A 20010, I 20018, M 20022, Q 20026, X 20033, c
// 20038), its occurrences 0, 1, ... and their count 110 higher; the h-records (two-digit type + data) in
// 20200 with their count in 20310. An unreadable count means no occurrences; a count that is not a number
// counts as 0; an occurrence that cannot be read is skipped.
#pragma once

#include "protocol/Registro.h"

#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace Lumomain {

// Raised by an h-record walk when a record's first two characters are not a number: the walk stops there and
// the form's handler ends the operation.
class ErroConversao : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Position (1-based) of the "1" in the 32-character collection mode of field 10148 that asks the host's
// library to collect the card data and the PIN.
inline constexpr int HOSTLINK_MODO_COLETA_DADOS_SENHA = 1;

// ---- Parameter records (h-records of the parameter load). Offsets are 0-based in the stored record, which
// holds the data after the two type digits, except for types 16, 17 and 25, stored with them in front. Most
// share one layout: 0-21 caption, 22-24 network code of the family, from 25 one character per option ("1"
// enabled).

// 05: 0-19 menu caption; 20-22 network code; 23-28 option flags.
extern Registro<29> ServicoHzinho_Pagamento;
// 06: 25, 26, 27 cheque-data entry types to collect. Filled with "1" before every load.
extern Registro<28> ServicoHzinho_ColetaChq;
// 07: 22-24; 25-29 account types accepted for balance queries.
extern Registro<41> ServicoHzinho_TipoContaAceitaConsultaSaldo;
// 08: 22-24; 25-26 account types accepted for deposits.
extern Registro<38> ServicoHzinho_TipoContaAceitaDeposito;
// 09: 25-26 deposit kinds (cash, cheque).
extern Registro<38> ServicoHzinho_TipoDeposito;
// 10: 22-24; 25-29 account types accepted for withdrawals.
extern Registro<41> ServicoHzinho_TipoContaAceitaSaque;
// 11: 25, 26 balance; 28 deposit; 29, 30 statement.
extern Registro<42> ServicoHzinho_Coleta_Dados_Conta;

// 12: the TEF companies, one 36-byte entry per occurrence in arrival order, handed whole to the BIN query.
struct TListaEmpresaTEF {
    static constexpr std::size_t TAMANHO_ENTRADA = 36;
    std::string dados; // the entries one after the other, quantidade() * 36 bytes

    void limpa() { dados.clear(); }
    // Appends one entry: the bytes cut or zero-filled to 36.
    void acrescenta(std::string_view entrada);
    int quantidade() const { return static_cast<int>(dados.size() / TAMANHO_ENTRADA); }
    Registro<TAMANHO_ENTRADA> entrada(int indice) const;
};
extern TListaEmpresaTEF ServicoHzinho_EmpresaTEF;

// 13: 22-24; 25 "1" = generic (TEF) payment mode.
extern Registro<26> ServicoHzinho_PagTrnGen;
// 16 and 17, with their type: 27 one character, 28-30 and 31-33 three-digit numbers, 34-133 a 100-character
// text; turned into service A records of track (16) and PIN (17) collection.
extern Registro<134> ServicoHzinho_Coleta_Trilha;
extern Registro<134> ServicoHzinho_Coleta_Senha;
// 18 and 33: network lists (card payment and TEF).
extern Registro<1050> ServicoHzinho_Redes_Credito_Debito;
// 19: 22-24; 25-29 account types accepted for statements.
extern Registro<41> ServicoHzinho_Tipo_Conta_Aceita_Consulta_Extrato;
// 20: from 25, statement date fields.
extern Registro<38> ServicoHzinho_Campos_Data_Consulta_Extrato;
// 21: general correspondent information: 22-24 network code, 25-27 bank code, 28 data-collection flag.
extern Registro<39> ServicoHzinho_21_Informacoes_Gerais_CB;
// The same record under the name the dialogs use.
extern Registro<39>& ServicoHzinho_Informacoes_Gerais_CB;
// 22: 22-24; 25-29 account types accepted for loans.
extern Registro<41> ServicoHzinho_Tipo_Conta_Aceita_Emprestimo;
// 23: 22-24; 25-27 and 28-30 account-opening modalities (checking, savings).
extern Registro<42> ServicoHzinho_ModalidadeTipoPessoaAberturaConta;
// 24: one limit restoration, 18 characters; filled occurrence by occurrence by the payment reply's walk.
extern Registro<18> ServicoHzinho_Restabelece_Limite;
// 25, with its type: three-digit codes at 24, 27, 30, 33, 36, 45, 54, 57, 60, 63 (one per transaction
// family).
extern Registro<75> ServicoHzinho_25_InformacaoModoTransacao;
// 26: limits; 73-84 BACEN collection threshold, 12 digits in cents.
extern Registro<96> ServicoHzinho_26_Limites;
// 28: 2-21 caption; 22-24 network code; 30 flag.
extern Registro<43> ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa;
// 29: 22-24; 25-29 collection forms per account type. Data that begins with "42" is the payroll-loan variant.
extern Registro<41> ServicoHzinho_29_FormasColetaTipoContaAceita;
extern Registro<41> ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig;
// 31: 25-27 statement kinds.
extern Registro<28> ServicoHzinho_31_TiposExtrato;
// 32: 22-24; 25-27 debit and 28-30 credit account-type masks of transfers.
extern Registro<31> ServicoHzinho_32_DadosTransferencia;
extern Registro<1050> ServicoHzinho_Redes_TEF_Credito_Debito;
// 34: payment forms accepted.
extern Registro<29> ServicoHzinho_34_FormasPagtoAceitas;
// 35: 25-27 bill payment fields to collect.
extern Registro<28> ServicoHzinho_35_ColetaCamposPagtoContas;
// 41: 22-24; 25-29 prepaid-card sub-functions enabled.
extern Registro<30> ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago;
// 42: settlement closing: 25 flag ("0" = not offered), 26 the closing screen's flags.
extern Registro<27> InformacoesFechamentoRepasse;
// 43: 22-24 network code; 25-39 server-side correspondent version (15 characters).
extern Registro<40> ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV;
// 47: 22-24 network code; 25 token collection flag.
extern Registro<26> ServicoHzinho_47_TrataColetaToken;

// ---- h-records read on demand from a transaction's reply.

extern Registro<26> ServicoHzinho_27_TiposDocumentoPagamentoContas;
extern Registro<5> ServicoHzinho_46_ControleTicketImpressaoRede;
extern Registro<32> ServicoHzinho_30_Dados_Transacao_Cartao_Pre_Pago;
// 40: prepaid-card query (0-15 card, 16-45 owner's name).
extern Registro<46> ServicoHzinho_40_ConsultaCartaoPrePago;
// 45, registered boleto, from service X: 25 institution (30); amounts of 12 digits at 55 ("648="), 67
// ("2047="), 79, 91, 103 (shown by the bill query), 115 minimum and 127 maximum authorised value; then name
// (40), company (20) and CPF/CNPJ (14) of the beneficiary at 139, the drawer at 213 and the payer at 287. A
// text field whose first character is a blank counts as absent.
extern Registro<361> ServicoHzinho_45_DadosBoletoRegistrado;

// ---- Service Q "028": Pague Fácil catalogue pages.

extern Registro<2> acSequencial;
extern char cFlagContinuacao;
// "01" segment, "02" state, "03" company, "04" product, "06" values.
extern Registro<2> acTipoInformacao;
extern Registro<12> acValorMinimo;
extern Registro<12> acValorMaximo;
extern Registro<12> acValorTarifa;
// The page as found (up to 16384 characters).
extern std::array<char, 16385> acServicoQ;

// The entries of the page just parsed.
template <std::size_t E> struct TTabelaServicoQ_028 {
    std::vector<Registro<E>> Entradas;
    void limpa() { Entradas.clear(); }
};
extern TTabelaServicoQ_028<43> Tabela_ServicoQ_028;                 // 01: code (3) + name (40)
extern TTabelaServicoQ_028<42> Tabela_ServicoQ_028_UF;              // 02: UF (2) + name (40)
extern TTabelaServicoQ_028<45> Tabela_ServicoQ_028_Empresa_Produto; // 03, 04: code (5) + name (40)
extern TTabelaServicoQ_028<12> Tabela_ServicoQ_028_Valores;         // 06: value (12)

// The pages of one query accumulated, 100 entries at most. Segments: 0-1 sequence, 2 flag, 3-4 type, 5-6
// count, entries from 7. The others: 3-4 sequence, 5 flag, 6-7 type, 8-9 count, entries from 10; values: 8-19
// minimum, 20-31 maximum, 32-43 fee, 44-45 count, entries from 46. The count is written when the query ends.
inline constexpr int MAX_ENTRADAS_SERVICOQ_028 = 100;
extern Registro<4308> ServicoQ_TipoRegistro028_ConsultaSegmento;
extern Registro<4212> ServicoQ_TipoRegistro028_ConsultaUF;
extern Registro<4512> ServicoQ_TipoRegistro028_ConsultaEmpresa;
extern Registro<4512> ServicoQ_TipoRegistro028_ConsultaProduto;
extern Registro<1248> ServicoQ_TipoRegistro028_ConsultaValores;

// ---- Service Q "082": network bill query: five amounts of 12 at 0 (interest), 12 (fine), 24 (additions),
// 36 (discount), 48 (total) and a two-character code at 60.
extern Registro<64> TabelaServicoQ_082_DadosConsultaCodigoBarras;

// ---- Service X "Q": the Pague Fácil entry list.

struct TEntradaServicoQ {
    // 0 code (3), 3 field (2), 5 flag, 6 field (2), 8 code (3), 11 name (20), 31 number of questions (2).
    Registro<33> Dados;
    // Questions of 30: 0-2 zero, 3-4 code, 5-24 label, 25 data type, 26-27 re-typing flag, 28-29 maximum
    // length.
    std::vector<Registro<30>> Perguntas;
};
struct TConsultaEntradaServicoQ {
    std::vector<TEntradaServicoQ> Entradas;
    void limpa() { Entradas.clear(); }
};
extern TConsultaEntradaServicoQ ConsultaEntradaServicoQ;

// ---- Loan records. All start with two two-character codes and the 23-character account block (4-26), which
// goes to field 10104; the payroll kinds keep their copy with the account block cleared.

// Kind 42: 27-28 number of entries; entries of 3 (two-character code, flag).
struct TServicoXConsultaEmprestimoConsignado {
    Registro<29> Dados;
    std::vector<Registro<3>> Entradas;
};
extern TServicoXConsultaEmprestimoConsignado ServicoXConsultaEmprestimoConsignado;
// Kind 43: 27 (3), 30 (3), 33 amount (12), 45 amount (12), 57 date (8).
extern Registro<68> ServicoXConsultaPropostaMaximaEmprestimoConsignado;
// Kind 44: 27 (2).
extern Registro<32> ServicoXSimulaEmprestimoConsignado;
// Service A "0340": 27 (3), 30 text (40), 70 number of plans (one digit); plans of 92 characters.
struct TServicoXSimulaEmprestimo {
    Registro<71> Dados;
    std::vector<Registro<92>> Opcoes;
};
extern TServicoXSimulaEmprestimo ServicoXSimulaEmprestimo;
// Service A "0312", the pre-approved loan query: 27-28 number of credit limits, then the limits of 100
// characters: code at 0 (3), available amount at 55 (12), minimum instalment at 72 (12), earliest and latest
// first due date at 84 and 92 (DDMMYYYY).
struct TServicoXConsultaEmprestimo {
    Registro<29> Dados;
    std::vector<Registro<100>> Limites;
    void limpa() {
        Dados.limpa();
        Limites.clear();
    }
};
extern TServicoXConsultaEmprestimo ServicoXConsultaEmprestimo;

// Reply of the cheque-book query: the text of the "0350" occurrence of service A. 4-5 the number of blocked
// ranges (two digits); range i from 6 + 12 * i, first and last cheque number of 6 digits each. The query
// dialog fills it; the banking menu reads the count to decide whether the release follows.
extern Registro<1206> ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario;
// The account of that query: bank (3), agency (4), C1 (1), account (13), digit (2).
extern Registro<23> DadosConsultaDesbloqueioTalonario_Banco;

// ---- Data the module builds for the request.

// Service 1: card/PIN collection control (first 43 characters go to field 20001).
extern Registro<55> Servico1;
// Registered-boleto data for field 10440: a two-character count, then up to 100 entries of 82 bytes: F0 (13),
// F1 (13), F2 (15), F3 (15), F4 (15), F5 (9), F6 (2).
extern Registro<8202> DadosAdicionaisBoletoRegistradoContingencia;
extern int IndiceDadosAdicionais;
// Document k of a payment (k from 1) was consulted in the per-document host fields at index
// IndiceDocsConsultadosOK[k - 1].
extern std::vector<int> IndiceDocsConsultadosOK;
// The slot of the per-document host fields of document k (from 1) of the payment: where the bar code (1041)
// and the query's results were written. A payment of one document, or one outside the bill queries, is in
// slot k - 1. -1 when the document was never accepted.
int SlotDoDocumento(int k);

// ---- Flags and small values.

extern int iVeioServicoh45;
extern int iVeioServicoh27;
extern QString sDPCHIP;
extern int iDPCHIP;
extern bool bHabilitaTratamentoToken;
extern Registro<13> acValorReferenciaBACEN3978;
// The one-line service M message.
extern std::array<char, 129> bBufferAux;

// ---- Parameter load.

// Clears the parameter records before a load: the company list emptied, the cheque record filled with "1",
// every other record zeroed except 16, 17, 47 and the loan variant of 29.
void IniciaServicosHzinhoParametros();
// Stores one h-record (type + data) of a parameter-load reply into its record. Throws ErroConversao when the
// type is not a number; types without a record are ignored.
void GravaServicoHzinhoParametro(std::string_view registro);
// Walks the h-records of the reply through GravaServicoHzinhoParametro.
void TrataServicosHzinhoParametros();
// Hands every h-record of the reply (type + data) to acao, which returns false to stop; false when the reply
// has no readable count.
bool PercorreServicosHzinho(const std::function<bool(const std::string&)>& acao);

// ---- Operations on the reply.

// First A occurrence of the record type ("01" track, "02" PIN collection; any other finds nothing):
// "ServicoA="
// + record for "01", the bare record for "02", cut to tamanhoMaximo; empty when none.
QString ProcuraServicoA(int tamanhoMaximo, std::string_view tipo);
void Converte_ServicosHzinho_Em_ServicosA();
void Converte_ServicoA_Em_Servico3();
void MontaServico1_FormataColetaDados();
void MontaServico1_FormataColetaDadosBradescoEMV();

bool TrataServicoQ_028();
bool GravaDadosServicoQ_028();
bool TrataServicoQ_082_Rede();
bool VerificaTrataServicoQ_082();

void TrataServicoXh045_BoletoRegistrado();
void TrataServicoh005_TipoPagamento_Rede();
void TrataServicoh027_TipoPagamento();
void TrataServicoh046_ControleTicketImpressaoRede();
void TrataCamposServicoHzinho_40_ConsultaCartaoPrePago();

// Parses the joined entry text; qtdeOcorrencias is the number of X occurrences it came from.
bool TrataServicoQ_PagueFacil_Entrada(std::string_view texto, int qtdeOcorrencias);
// Joins the "Q" occurrences of service X (each without its "Q", trimmed; 16384 characters at most) and parses
// them into ConsultaEntradaServicoQ.
bool TrataServicoX_PagueFacil_Entrada();

bool TrataServicoXEmprestimoConsignado(int tipo, std::string_view texto);
bool TrataServicoXEmprestimoSimula();
// Reads the loan query record from the reply; false when the reply has none or 10104 cannot be written.
bool TrataServicoXEmprestimo();

// Replaces each CR LF by one blank, in place; at most 128 characters are kept. Returns the new length.
int TrocaCRLFEspaco(char* buffer, int capacidade, int tamanho);
QString TrataServicoM_PagueFacil();

// Document authentication (service c) into fields 1120, 1121 and 1173 at the document's index; false when
// there is none or it does not name a consulted document.
bool TrataServicoc_AutenticacaoDocumento();

void GravaServicoI_Ext(bool acrescenta);
void GravaServicoI();
void RestauraServicoI();

void SalvaServicoAConsParam();
bool RecuperaServicoAConsParam();
void SalvaDPCHIP();
void RecuperaDPCHIP();
void SalvaValorReferencia();
void TrataGravacao_SEQ_CB();
void SalvaServicoHzinho_21_Informacoes_Gerais_CB();
void RecuperaServicoHzinho_21_Informacoes_Gerais_CB();
void SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
void RecuperaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
void RecuperaServicoHzinho_25_InformacaoModoTransacao();

bool VerificaDadosBanco();
void TrataVersaoVortaCB();
bool TrataPagamentoContasRede_045_082();
void Grava_Tipo_5_ServicoHzinho_Pagamento_Rede();
void TrataPrefixoDADICPAGCB();
bool ValidaValorMinMaxBoletoRegistradoCB(const QString& valor);
bool GravaDadosColetaSenha(const QString& banco, const QString& agencia, const QString& conta,
                           const QString& digito);
bool VerificaSeSimuladorBradesco();

} // namespace Lumomain
