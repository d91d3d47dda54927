#include "protocol/ServicosResposta.h"

#include "host/Host.h"
#include "host/IniFile.h"
#include "protocol/Estado.h"
#include "resources/Mensagens.h"

#include <QStringList>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>

namespace Lumomain {

Registro<29> ServicoHzinho_Pagamento;
Registro<28> ServicoHzinho_ColetaChq;
Registro<41> ServicoHzinho_TipoContaAceitaConsultaSaldo;
Registro<38> ServicoHzinho_TipoContaAceitaDeposito;
Registro<38> ServicoHzinho_TipoDeposito;
Registro<41> ServicoHzinho_TipoContaAceitaSaque;
Registro<42> ServicoHzinho_Coleta_Dados_Conta;
TListaEmpresaTEF ServicoHzinho_EmpresaTEF;
Registro<26> ServicoHzinho_PagTrnGen;
Registro<134> ServicoHzinho_Coleta_Trilha;
Registro<134> ServicoHzinho_Coleta_Senha;
Registro<1050> ServicoHzinho_Redes_Credito_Debito;
Registro<41> ServicoHzinho_Tipo_Conta_Aceita_Consulta_Extrato;
Registro<38> ServicoHzinho_Campos_Data_Consulta_Extrato;
Registro<39> ServicoHzinho_21_Informacoes_Gerais_CB;
Registro<39>& ServicoHzinho_Informacoes_Gerais_CB = ServicoHzinho_21_Informacoes_Gerais_CB;
Registro<41> ServicoHzinho_Tipo_Conta_Aceita_Emprestimo;
Registro<42> ServicoHzinho_ModalidadeTipoPessoaAberturaConta;
Registro<18> ServicoHzinho_Restabelece_Limite;
Registro<75> ServicoHzinho_25_InformacaoModoTransacao;
Registro<96> ServicoHzinho_26_Limites;
Registro<43> ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa;
Registro<41> ServicoHzinho_29_FormasColetaTipoContaAceita;
Registro<41> ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig;
Registro<28> ServicoHzinho_31_TiposExtrato;
Registro<31> ServicoHzinho_32_DadosTransferencia;
Registro<1050> ServicoHzinho_Redes_TEF_Credito_Debito;
Registro<29> ServicoHzinho_34_FormasPagtoAceitas;
Registro<28> ServicoHzinho_35_ColetaCamposPagtoContas;
Registro<30> ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago;
Registro<27> InformacoesFechamentoRepasse;
Registro<40> ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV;
Registro<26> ServicoHzinho_47_TrataColetaToken;

Registro<26> ServicoHzinho_27_TiposDocumentoPagamentoContas;
Registro<5> ServicoHzinho_46_ControleTicketImpressaoRede;
Registro<32> ServicoHzinho_30_Dados_Transacao_Cartao_Pre_Pago;
Registro<46> ServicoHzinho_40_ConsultaCartaoPrePago;
Registro<361> ServicoHzinho_45_DadosBoletoRegistrado;

Registro<2> acSequencial;
char cFlagContinuacao = '\0';
Registro<2> acTipoInformacao;
Registro<12> acValorMinimo;
Registro<12> acValorMaximo;
Registro<12> acValorTarifa;
std::array<char, 16385> acServicoQ{};
TTabelaServicoQ_028<43> Tabela_ServicoQ_028;
TTabelaServicoQ_028<42> Tabela_ServicoQ_028_UF;
TTabelaServicoQ_028<45> Tabela_ServicoQ_028_Empresa_Produto;
TTabelaServicoQ_028<12> Tabela_ServicoQ_028_Valores;
Registro<4308> ServicoQ_TipoRegistro028_ConsultaSegmento;
Registro<4212> ServicoQ_TipoRegistro028_ConsultaUF;
Registro<4512> ServicoQ_TipoRegistro028_ConsultaEmpresa;
Registro<4512> ServicoQ_TipoRegistro028_ConsultaProduto;
Registro<1248> ServicoQ_TipoRegistro028_ConsultaValores;

Registro<64> TabelaServicoQ_082_DadosConsultaCodigoBarras;
TConsultaEntradaServicoQ ConsultaEntradaServicoQ;

TServicoXConsultaEmprestimoConsignado ServicoXConsultaEmprestimoConsignado;
Registro<68> ServicoXConsultaPropostaMaximaEmprestimoConsignado;
Registro<32> ServicoXSimulaEmprestimoConsignado;
TServicoXSimulaEmprestimo ServicoXSimulaEmprestimo;
TServicoXConsultaEmprestimo ServicoXConsultaEmprestimo;
Registro<1206> ServicoX_TipoRegistro050_ConsultaDesbloqueioTalonario;
Registro<23> DadosConsultaDesbloqueioTalonario_Banco;

Registro<55> Servico1;
Registro<8202> DadosAdicionaisBoletoRegistradoContingencia;
int IndiceDadosAdicionais = 0;
std::vector<int> IndiceDocsConsultadosOK;

int iVeioServicoh45 = 0;
int iVeioServicoh27 = 0;
QString sDPCHIP;
int iDPCHIP = 0;
bool bHabilitaTratamentoToken = false;
Registro<13> acValorReferenciaBACEN3978;
std::array<char, 129> bBufferAux{};

void TListaEmpresaTEF::acrescenta(std::string_view entrada) {
    entrada = entrada.substr(0, std::min(entrada.size(), TAMANHO_ENTRADA));
    dados.append(entrada);
    dados.append(TAMANHO_ENTRADA - entrada.size(), '\0');
}

Registro<TListaEmpresaTEF::TAMANHO_ENTRADA> TListaEmpresaTEF::entrada(int indice) const {
    Registro<TAMANHO_ENTRADA> r;
    if (indice >= 0 && indice < quantidade())
        r.atribui(
            std::string_view(dados).substr(static_cast<size_t>(indice) * TAMANHO_ENTRADA, TAMANHO_ENTRADA));
    return r;
}

namespace {

// Host fields of the reply services and of the module's saved copies.
constexpr int CAMPO_SERVICO_1 = 20001;
constexpr int CAMPO_SERVICO_3 = 20003;
constexpr int CAMPO_SERVICO_5 = 20005;
constexpr int CAMPO_SERVICO_A = 20010;
constexpr int CAMPO_SERVICO_I = 20018;
constexpr int CAMPO_SERVICO_M = 20022;
constexpr int CAMPO_SERVICO_Q = 20026;
constexpr int CAMPO_SERVICO_X = 20033;
constexpr int CAMPO_SERVICO_C = 20038;
constexpr int CAMPO_HZINHO = 20200;
constexpr int DISTANCIA_CONTAGEM = 110;
constexpr int CAMPO_COPIA = 10238;
constexpr int CAMPO_COPIA_QTDE = 10239;

// Buffer sizes of the walks (text plus the terminating NUL of the host library's reads).
constexpr int CAPACIDADE_HZINHO = 257;
constexpr int CAPACIDADE_QX = 16385;
constexpr int TAMANHO_SERVICO_A = 116;
constexpr int MAX_TEXTO_QX = 16384;

// The widest count the host keeps (five digits); bounds every walk and merge.
constexpr int MAX_OCORRENCIAS = 99999;

// Trim as the host's text routines do: every character up to the blank (controls and NUL included) goes.
std::string_view Apara(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

QString Apara(const QString& s) {
    qsizetype i = 0, f = s.size();
    while (i < f && s.at(i).unicode() <= ' ')
        ++i;
    while (f > i && s.at(f - 1).unicode() <= ' ')
        --f;
    return s.mid(i, f - i);
}

// Decimal text (blanks around it allowed, an optional sign) as a number; nullopt when it is not one.
std::optional<long long> Numero(std::string_view s) {
    s = Apara(s);
    bool negativo = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negativo = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 18) return std::nullopt;
    long long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negativo ? -v : v;
}

long long Numero(std::string_view s, long long padrao) {
    return Numero(s).value_or(padrao);
}

int Inteiro(std::string_view s, int padrao) {
    const auto v = Numero(s);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) return padrao;
    return static_cast<int>(*v);
}

std::string_view Fatia(std::string_view s, size_t off, size_t len) {
    if (off >= s.size()) return {};
    return s.substr(off, len);
}

template <size_t N> std::string_view Bytes(const Registro<N>& r, size_t off, size_t len) {
    return Fatia(std::string_view(r.dados.data(), N), off, len);
}

// The whole record.
template <size_t N> std::string_view Bytes(const Registro<N>& r) {
    return std::string_view(r.dados.data(), N);
}

// The characters of a record as a number in cents (12 digits do not fit an int).
template <size_t N> long long Valor(const Registro<N>& r, size_t off, size_t len, long long padrao) {
    const std::string_view b = Bytes(r, off, len);
    return Numero(b.substr(0, b.find('\0')), padrao);
}

// Copies bytes into a record at off, filling up to len with NUL; nothing beyond the record's end.
template <size_t N> void Copia(Registro<N>& r, size_t off, std::string_view bytes, size_t len) {
    if (off >= N) return;
    len = std::min(len, N - off);
    std::fill_n(r.dados.begin() + static_cast<std::ptrdiff_t>(off), len, '\0');
    std::copy_n(bytes.begin(), std::min(bytes.size(), len),
                r.dados.begin() + static_cast<std::ptrdiff_t>(off));
}

// A whole field into a record at off.
template <size_t N, size_t M> void Copia(Registro<N>& r, size_t off, const Registro<M>& campo) {
    Copia(r, off, Bytes(campo), M);
}

QString Texto(std::string_view bytes) {
    return host::deLatin1(bytes);
}

std::string CortaNoNul(std::string s) {
    s.resize(std::min(s.size(), s.find('\0')));
    return s;
}

void Audit(const QString& linha) {
    host::GravaAudit(linha);
}

// Overwrites a local copy of account or card data before it is released.
void Apaga(std::string& s) {
    volatile char* p = s.data();
    for (size_t i = 0; i < s.size(); ++i)
        p[i] = '*';
}

// Count field of a service: nullopt when it cannot be read, 0 when it is not a number. largura is the number
// of characters read (0: the whole field).
std::optional<int> LeContagem(int campo, int largura) {
    const auto v = host::LeCampoBytesPresente(campo, 0, largura > 0 ? largura : 64);
    if (!v) return std::nullopt;
    return std::clamp(Inteiro(CortaNoNul(*v), 0), 0, MAX_OCORRENCIAS);
}

// One occurrence as the host library's buffer of that capacity would hold it: at most capacidade - 1 bytes,
// ending at the first NUL.
std::optional<std::string> LeOcorrencia(int campo, int indice, int capacidade) {
    auto v = host::LeCampoBytesPresente(campo, indice, capacidade - 1);
    if (!v) return std::nullopt;
    return CortaNoNul(std::move(*v));
}

// Walks the occurrences of a service as far as its count says; acao returns false to stop. False when the
// count could not be read.
bool Percorre(int campo, int largura, int capacidade, const std::function<bool(const std::string&)>& acao) {
    const auto total = LeContagem(campo + DISTANCIA_CONTAGEM, largura);
    if (!total) return false;
    for (int i = 0; i < *total; ++i) {
        const auto ocorrencia = LeOcorrencia(campo, i, capacidade);
        if (!ocorrencia) continue;
        if (!acao(*ocorrencia)) break;
    }
    return true;
}

// Count of a service written as the host keeps it: zero-padded to its width.
uint16_t GravaContagem(int campo, int valor, int largura) {
    return host::GravaCampoString(campo, 0, QStringLiteral("%1").arg(valor, largura, 10, QLatin1Char('0')));
}

// Copies one occurrence between fields; an absent one is copied as empty so that the lines keep their places.
void CopiaOcorrencia(int origem, int i, int destino, int j) {
    const auto v = host::LeCampoBytesPresente(origem, i);
    host::GravaCampoBytes(destino, j, v ? *v : std::string());
}

// Type of an h-record: its first two characters as a number. Anything else stops the walk.
int TipoServicoHzinho(std::string_view registro) {
    const std::string_view tipo = registro.substr(0, std::min<size_t>(2, registro.size()));
    const auto t = Numero(tipo);
    if (!t) {
        std::string visivel;
        for (char c : tipo)
            visivel += (c >= ' ' && c < 127) ? c : '?';
        throw ErroConversao("Tipo de registro de parametro invalido: '" + visivel + "'");
    }
    return static_cast<int>(*t);
}

std::string_view DadosServicoHzinho(std::string_view registro) {
    return Fatia(registro, 2, std::string_view::npos);
}

// Walk of the h-records of a transaction's reply for one type: the record is cleared first and the last
// occurrence of the type wins. The audit shows the walk ("Saiu" only when the count could be read).
template <size_t N>
bool TrataHzinhoSobDemanda(const QString& nome, const QString& fim, int tipo, Registro<N>& registro) {
    Audit(QStringLiteral("Entrou: ") + nome + fim);
    registro.limpa();
    bool veio = false;
    const bool contou = Percorre(CAMPO_HZINHO, 5, CAPACIDADE_HZINHO, [&](const std::string& r) {
        if (TipoServicoHzinho(r) == tipo) {
            registro.atribui(DadosServicoHzinho(r));
            veio = true;
        }
        return true;
    });
    if (contou) Audit(QStringLiteral("Saiu: ") + nome + fim);
    return veio;
}

} // namespace

// ---------------------------------------------------------------------------------------------------------------
// Parameter load

void IniciaServicosHzinhoParametros() {
    ServicoHzinho_EmpresaTEF.limpa();
    ServicoHzinho_ColetaChq.dados.fill('1');
    ServicoHzinho_Pagamento.limpa();
    ServicoHzinho_PagTrnGen.limpa();
    ServicoHzinho_TipoContaAceitaConsultaSaldo.limpa();
    ServicoHzinho_TipoContaAceitaDeposito.limpa();
    ServicoHzinho_TipoDeposito.limpa();
    ServicoHzinho_TipoContaAceitaSaque.limpa();
    ServicoHzinho_Coleta_Dados_Conta.limpa();
    ServicoHzinho_Redes_Credito_Debito.limpa();
    ServicoHzinho_Tipo_Conta_Aceita_Consulta_Extrato.limpa();
    ServicoHzinho_Campos_Data_Consulta_Extrato.limpa();
    ServicoHzinho_21_Informacoes_Gerais_CB.limpa();
    ServicoHzinho_Tipo_Conta_Aceita_Emprestimo.limpa();
    ServicoHzinho_ModalidadeTipoPessoaAberturaConta.limpa();
    ServicoHzinho_25_InformacaoModoTransacao.limpa();
    ServicoHzinho_26_Limites.limpa();
    ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa.limpa();
    ServicoHzinho_29_FormasColetaTipoContaAceita.limpa();
    ServicoHzinho_31_TiposExtrato.limpa();
    ServicoHzinho_32_DadosTransferencia.limpa();
    ServicoHzinho_Redes_TEF_Credito_Debito.limpa();
    ServicoHzinho_34_FormasPagtoAceitas.limpa();
    ServicoHzinho_35_ColetaCamposPagtoContas.limpa();
    ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago.limpa();
    InformacoesFechamentoRepasse.limpa();
    ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV.limpa();
    acValorReferenciaBACEN3978.limpa();
}

void GravaServicoHzinhoParametro(std::string_view registro) {
    const int tipo = TipoServicoHzinho(registro);
    const std::string_view dados = DadosServicoHzinho(registro);
    switch (tipo) {
    case 5:
        ServicoHzinho_Pagamento.atribui(dados);
        break;
    case 6:
        ServicoHzinho_ColetaChq.atribui(dados);
        break;
    case 7:
        ServicoHzinho_TipoContaAceitaConsultaSaldo.atribui(dados);
        break;
    case 8:
        ServicoHzinho_TipoContaAceitaDeposito.atribui(dados);
        break;
    case 9:
        ServicoHzinho_TipoDeposito.atribui(dados);
        break;
    case 10:
        ServicoHzinho_TipoContaAceitaSaque.atribui(dados);
        break;
    case 11:
        ServicoHzinho_Coleta_Dados_Conta.atribui(dados);
        break;
    case 12:
        ServicoHzinho_EmpresaTEF.acrescenta(dados);
        break;
    case 13:
        ServicoHzinho_PagTrnGen.atribui(dados);
        break;
    // Track and PIN collection and the transaction modes keep their type digits in front.
    case 16:
        ServicoHzinho_Coleta_Trilha.atribui(registro);
        break;
    case 17:
        ServicoHzinho_Coleta_Senha.atribui(registro);
        break;
    case 18:
        ServicoHzinho_Redes_Credito_Debito.atribui(dados);
        break;
    case 19:
        ServicoHzinho_Tipo_Conta_Aceita_Consulta_Extrato.atribui(dados);
        break;
    case 20:
        ServicoHzinho_Campos_Data_Consulta_Extrato.atribui(dados);
        break;
    case 21:
        ServicoHzinho_21_Informacoes_Gerais_CB.atribui(dados);
        break;
    case 22:
        ServicoHzinho_Tipo_Conta_Aceita_Emprestimo.atribui(dados);
        break;
    case 23:
        ServicoHzinho_ModalidadeTipoPessoaAberturaConta.atribui(dados);
        break;
    case 25:
        ServicoHzinho_25_InformacaoModoTransacao.atribui(registro);
        break;
    case 26:
        ServicoHzinho_26_Limites.atribui(dados);
        break;
    case 28:
        ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa.atribui(dados);
        break;
    case 29:
        (Fatia(dados, 0, 2) == "42" ? ServicoHzinho_29_FormasColetaTipoConta_Emprest_Consig
                                    : ServicoHzinho_29_FormasColetaTipoContaAceita)
            .atribui(dados);
        break;
    case 31:
        ServicoHzinho_31_TiposExtrato.atribui(dados);
        break;
    case 32:
        ServicoHzinho_32_DadosTransferencia.atribui(dados);
        break;
    case 33:
        ServicoHzinho_Redes_TEF_Credito_Debito.atribui(dados);
        break;
    case 34:
        ServicoHzinho_34_FormasPagtoAceitas.atribui(dados);
        break;
    case 35:
        ServicoHzinho_35_ColetaCamposPagtoContas.atribui(dados);
        break;
    case 41:
        ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago.atribui(dados);
        break;
    case 42:
        InformacoesFechamentoRepasse.atribui(dados);
        break;
    case 43:
        ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV.atribui(dados);
        break;
    case 47: {
        // Token collection is on only for network 805 with its flag set; any other record turns it off.
        host::LimpaCampo(10543);
        host::GravaCampoString(10543, 0, QStringLiteral("0"));
        bHabilitaTratamentoToken = false;
        auto& r = ServicoHzinho_47_TrataColetaToken;
        r.atribui(dados);
        if (Bytes(r, 22, 3) == "805" && Bytes(r, 25, 1) == "1") {
            host::GravaCampoString(10543, 0, QStringLiteral("1"));
            bHabilitaTratamentoToken = true;
        }
        break;
    }
    default:
        break;
    }
}

bool PercorreServicosHzinho(const std::function<bool(const std::string&)>& acao) {
    return Percorre(CAMPO_HZINHO, 5, CAPACIDADE_HZINHO, acao);
}

void TrataServicosHzinhoParametros() {
    Percorre(CAMPO_HZINHO, 5, CAPACIDADE_HZINHO, [](const std::string& r) {
        GravaServicoHzinhoParametro(r);
        return true;
    });
}

// ---------------------------------------------------------------------------------------------------------------
// Service A, 1 and 3

QString ProcuraServicoA(int tamanhoMaximo, std::string_view tipo) {
    if (tipo != "01" && tipo != "02") return {};
    // Without a count the occurrences end at the first one that cannot be read.
    const auto contagem = LeContagem(CAMPO_SERVICO_A + DISTANCIA_CONTAGEM, 4);
    const int total = contagem ? *contagem : MAX_OCORRENCIAS;
    for (int i = 0; i < total; ++i) {
        // One more than a record holds, to tell a longer occurrence apart.
        const auto r = LeOcorrencia(CAMPO_SERVICO_A, i, TAMANHO_SERVICO_A + 2);
        if (!r) {
            if (!contagem) break;
            continue;
        }
        if (r->size() > static_cast<size_t>(TAMANHO_SERVICO_A) || Fatia(*r, 4, 2) != tipo) continue;
        std::string resultado = tipo == "01" ? "ServicoA=" + *r : *r;
        resultado.resize(std::min(resultado.size(), static_cast<size_t>(std::max(tamanhoMaximo, 0))));
        return Texto(resultado);
    }
    return {};
}

void Converte_ServicosHzinho_Em_ServicosA() {
    const auto monta = [](const Registro<134>& h, std::string_view tipo) {
        std::string a = "0300";
        a += tipo;
        a += "001";
        a.append(h.dados.data() + 27, 134 - 27); // character, two numbers and the 100-character text
        return a;
    };
    const int qtde = LeContagem(CAMPO_SERVICO_A + DISTANCIA_CONTAGEM, 4).value_or(0);
    host::GravaCampoBytes(CAMPO_SERVICO_A, qtde, monta(ServicoHzinho_Coleta_Trilha, "01"));
    host::GravaCampoBytes(CAMPO_SERVICO_A, qtde + 1, monta(ServicoHzinho_Coleta_Senha, "02"));
    GravaContagem(CAMPO_SERVICO_A + DISTANCIA_CONTAGEM, qtde + 2, 4);
}

void Converte_ServicoA_Em_Servico3() {
    const std::string r = host::paraLatin1(ProcuraServicoA(TAMANHO_SERVICO_A + 1, "02"));
    if (r.empty()) return;
    // PIN-pad key selection from the record's number, and its variant from the character before it.
    const bool variante = Fatia(r, 9, 1) == "2";
    const char* codigo = "50";
    switch (Inteiro(Fatia(r, 10, 3), 3)) {
    case 7:
        codigo = variante ? "07" : "03";
        break;
    case 8:
        codigo = variante ? "08" : "02";
        break;
    case 9:
        codigo = variante ? "09" : "01";
        break;
    default:
        break;
    }
    const std::string servico3 = std::string(codigo) + std::string(Apara(Fatia(r, 16, 100)));
    host::GravaCampoBytes(CAMPO_SERVICO_3, 0, servico3);
    host::GravaCampoBytes(10108, 0, servico3);
}

namespace {

void MontaServico1(const QString& rede, bool bradescoEmv) {
    Servico1.dados.fill('0');
    const std::string codigo = host::paraLatin1(Apara(rede).rightJustified(4, QLatin1Char('0')));
    Copia(Servico1, 0, codigo, 4);
    Servico1.dados[14] = '1';
    if (bradescoEmv) Servico1.dados[42] = '1';
    host::GravaCampoBytes(CAMPO_SERVICO_1, 0, std::string_view(Servico1.dados.data(), 43));
    std::string modo(32, '0');
    modo[HOSTLINK_MODO_COLETA_DADOS_SENHA - 1] = '1';
    host::GravaCampoBytes(10148, 0, modo);
}

} // namespace

void MontaServico1_FormataColetaDados() {
    QString rede = ServicoHzinho_TipoContaAceitaConsultaSaldo.texto(22, 3);
    if (Apara(rede).isEmpty()) rede = ServicoHzinho_TipoContaAceitaDeposito.texto(22, 3);
    MontaServico1(rede, false);
}

void MontaServico1_FormataColetaDadosBradescoEMV() {
    MontaServico1(ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV.texto(22, 3), true);
}

// ---------------------------------------------------------------------------------------------------------------
// Service Q "028" and "082"

namespace {

// Up to n entries of the record's own size from pos on (the last may be cut short).
template <size_t E>
void LeEntradas(std::vector<Registro<E>>& entradas, int n, std::string_view registro, size_t pos) {
    for (; static_cast<int>(entradas.size()) < n && pos < registro.size(); pos += E)
        entradas.emplace_back().atribui(Fatia(registro, pos, E));
}

} // namespace

bool TrataServicoQ_028() {
    acSequencial.limpa();
    cFlagContinuacao = '\0';
    acTipoInformacao.limpa();
    acValorMinimo.limpa();
    acValorMaximo.limpa();
    acValorTarifa.limpa();
    Tabela_ServicoQ_028.limpa();
    Tabela_ServicoQ_028_UF.limpa();
    Tabela_ServicoQ_028_Empresa_Produto.limpa();
    Tabela_ServicoQ_028_Valores.limpa();
    acServicoQ.fill('\0');

    const std::string registro = host::ProcuraServico(CAMPO_SERVICO_Q, 'Q', "028", MAX_TEXTO_QX);
    if (registro.empty()) return false;
    std::copy_n(registro.begin(), std::min(registro.size(), acServicoQ.size() - 1), acServicoQ.begin());

    size_t pos = 3;
    const auto campo = [&](size_t largura) {
        const std::string_view v = Fatia(registro, pos, largura);
        pos += largura;
        return v;
    };
    acSequencial.atribui(campo(2));
    const std::string_view flag = campo(1);
    cFlagContinuacao = flag.empty() ? '\0' : flag.front();
    const std::string_view tipo = campo(2);
    acTipoInformacao.atribui(tipo);
    if (tipo == "06") {
        acValorMinimo.atribui(campo(12));
        acValorMaximo.atribui(campo(12));
        acValorTarifa.atribui(campo(12));
    }
    const std::string_view qtde = campo(2);
    const int n = Inteiro(qtde, 0);
    if (n <= 0) return false;
    if (tipo == "01")
        LeEntradas(Tabela_ServicoQ_028.Entradas, n, registro, pos);
    else if (tipo == "02")
        LeEntradas(Tabela_ServicoQ_028_UF.Entradas, n, registro, pos);
    else if (tipo == "03" || tipo == "04")
        LeEntradas(Tabela_ServicoQ_028_Empresa_Produto.Entradas, n, registro, pos);
    else if (tipo == "06")
        LeEntradas(Tabela_ServicoQ_028_Valores.Entradas, n, registro, pos);
    return host::GravaCampoString(10155, 1, QString::number(n)) == 0;
}

namespace {

// Where one type's header fields and entries lie in its accumulated record.
struct LayoutQ028 {
    size_t sequencia, flag, tipo, entradas, largura;
};

template <size_t N, size_t E>
void AcumulaQ028(Registro<N>& acumulado, const LayoutQ028& l, const TTabelaServicoQ_028<E>& tabela,
                 int inicio, int n) {
    Copia(acumulado, l.sequencia, acSequencial);
    Copia(acumulado, l.flag, std::string_view(&cFlagContinuacao, 1), 1);
    Copia(acumulado, l.tipo, acTipoInformacao);
    for (int k = 0; k < n && k < static_cast<int>(tabela.Entradas.size()); ++k) {
        const int posicao = inicio + k;
        if (posicao >= MAX_ENTRADAS_SERVICOQ_028) break;
        const auto& e = tabela.Entradas[static_cast<size_t>(k)];
        Copia(acumulado, l.entradas + static_cast<size_t>(posicao) * l.largura, Bytes(e, 0, E), l.largura);
    }
}

} // namespace

bool GravaDadosServicoQ_028() {
    const int inicio = std::clamp(host::LeCampoInteiro(10155, 0, 0), 0, MAX_OCORRENCIAS);
    const int n = std::clamp(host::LeCampoInteiro(10155, 1, 0), 0, MAX_OCORRENCIAS);
    const std::string_view tipo = Bytes(acTipoInformacao);
    static constexpr LayoutQ028 kSegmento{0, 2, 3, 7, 43};
    static constexpr LayoutQ028 kUF{3, 5, 6, 10, 42};
    static constexpr LayoutQ028 kEmpresaProduto{3, 5, 6, 10, 45};
    static constexpr LayoutQ028 kValores{3, 5, 6, 46, 12};
    if (tipo == "01") {
        AcumulaQ028(ServicoQ_TipoRegistro028_ConsultaSegmento, kSegmento, Tabela_ServicoQ_028, inicio, n);
    } else if (tipo == "02") {
        AcumulaQ028(ServicoQ_TipoRegistro028_ConsultaUF, kUF, Tabela_ServicoQ_028_UF, inicio, n);
    } else if (tipo == "03") {
        AcumulaQ028(ServicoQ_TipoRegistro028_ConsultaEmpresa, kEmpresaProduto,
                    Tabela_ServicoQ_028_Empresa_Produto, inicio, n);
    } else if (tipo == "04") {
        AcumulaQ028(ServicoQ_TipoRegistro028_ConsultaProduto, kEmpresaProduto,
                    Tabela_ServicoQ_028_Empresa_Produto, inicio, n);
    } else if (tipo == "06") {
        auto& v = ServicoQ_TipoRegistro028_ConsultaValores;
        AcumulaQ028(v, kValores, Tabela_ServicoQ_028_Valores, inicio, n);
        Copia(v, 8, acValorMinimo);
        Copia(v, 20, acValorMaximo);
        Copia(v, 32, acValorTarifa);
    }
    const bool total = host::GravaCampoString(10155, 0, QString::number(inicio + n)) == 0;
    const std::string flag = cFlagContinuacao ? std::string(1, cFlagContinuacao) : std::string();
    const bool continuacao = host::GravaCampoBytes(10286, 0, flag) == 0;
    return total && continuacao;
}

bool TrataServicoQ_082_Rede() {
    bool achou = false;
    Percorre(CAMPO_SERVICO_Q, 5, CAPACIDADE_QX, [&](const std::string& r) {
        if (Numero(Fatia(r, 0, 3), -1) != 82) return true;
        TabelaServicoQ_082_DadosConsultaCodigoBarras.atribui(Fatia(r, 3, 63));
        host::GravaCampoString(10447, 0, QStringLiteral("1"));
        achou = true;
        return false; // the first one is kept
    });
    return achou;
}

bool VerificaTrataServicoQ_082() {
    return TrataServicoQ_082_Rede();
}

// ---------------------------------------------------------------------------------------------------------------
// h-records read on demand and h-record 45

void TrataServicoXh045_BoletoRegistrado() {
    const QString nome = QStringLiteral("TrataServicoXh045_BoletoRegistrado");
    Audit(QStringLiteral("Entrou: ") + nome);
    ServicoHzinho_45_DadosBoletoRegistrado.limpa();
    iVeioServicoh45 = 0;
    const bool contou = Percorre(CAMPO_SERVICO_X, 5, CAPACIDADE_QX, [](const std::string& r) {
        if (Numero(Fatia(r, 1, 2), -1) == 45) {
            ServicoHzinho_45_DadosBoletoRegistrado.atribui(Fatia(r, 3, 361));
            iVeioServicoh45 = 1;
        }
        return true;
    });
    if (contou) Audit(QStringLiteral("Saiu: ") + nome);
}

void TrataServicoh005_TipoPagamento_Rede() {
    TrataHzinhoSobDemanda(QStringLiteral("TrataServicoh005_TipoPagamento_Rede"), {}, 5,
                          ServicoHzinho_Pagamento);
}

void TrataServicoh027_TipoPagamento() {
    iVeioServicoh27 = 0;
    if (TrataHzinhoSobDemanda(QStringLiteral("TrataServicoh027_TipoPagamento"), {}, 27,
                              ServicoHzinho_27_TiposDocumentoPagamentoContas))
        iVeioServicoh27 = 1;
}

void TrataServicoh046_ControleTicketImpressaoRede() {
    TrataHzinhoSobDemanda(QStringLiteral("TrataServicoh046_ControleTicketImpressaoRede"), {}, 46,
                          ServicoHzinho_46_ControleTicketImpressaoRede);
}

void TrataCamposServicoHzinho_40_ConsultaCartaoPrePago() {
    const QString nome = QStringLiteral("TrataCamposServicoHzinho_40_ConsultaCartaoPrePago.");
    Audit(QStringLiteral("Entrou: ") + nome);
    ServicoHzinho_30_Dados_Transacao_Cartao_Pre_Pago.limpa();
    ServicoHzinho_40_ConsultaCartaoPrePago.limpa();
    const bool contou = Percorre(CAMPO_HZINHO, 5, CAPACIDADE_HZINHO, [](const std::string& r) {
        const int tipo = TipoServicoHzinho(r);
        if (tipo == 30) ServicoHzinho_30_Dados_Transacao_Cartao_Pre_Pago.atribui(DadosServicoHzinho(r));
        if (tipo == 40) ServicoHzinho_40_ConsultaCartaoPrePago.atribui(DadosServicoHzinho(r));
        return true;
    });
    // The holder record carries the card number: kept in the module's record, it must not stay in the host
    // fields that every later result file takes whole.
    host::LimpaCampo(CAMPO_HZINHO);
    host::LimpaCampo(20310);
    if (contou) Audit(QStringLiteral("Saiu: ") + nome);
}

// ---------------------------------------------------------------------------------------------------------------
// Service X: Pague Fácil entries and loan records

bool TrataServicoQ_PagueFacil_Entrada(std::string_view texto, int qtdeOcorrencias) {
    ConsultaEntradaServicoQ.limpa();
    qtdeOcorrencias = std::clamp(qtdeOcorrencias, 0, MAX_OCORRENCIAS);
    texto = texto.substr(0, std::min<size_t>(texto.size(), MAX_TEXTO_QX));
    const std::string cabecalho = std::to_string(qtdeOcorrencias);
    // The entries start at the 1-based position given by the number of digits of the occurrence count.
    size_t pos = cabecalho.size() - 1;
    char flag = '\0';
    for (int e = 0; e < qtdeOcorrencias && pos < texto.size(); ++e) {
        TEntradaServicoQ entrada;
        size_t destino = 0;
        const auto campo = [&](size_t largura) {
            const std::string_view v = Fatia(texto, pos, largura);
            Copia(entrada.Dados, destino, v, largura);
            destino += largura;
            pos += largura;
            return v;
        };
        campo(3);
        campo(2);
        const std::string_view f = campo(1);
        campo(2);
        campo(3);
        campo(20);
        const auto k = Numero(campo(2));
        flag = f.empty() ? '\0' : f.front();
        if (!k) return false;
        for (long long j = 0; j < *k && pos < texto.size(); ++j) {
            Registro<30>& pergunta = entrada.Perguntas.emplace_back();
            Copia(pergunta, 3, Fatia(texto, pos, 27), 27);
            pos += 27;
        }
        ConsultaEntradaServicoQ.Entradas.push_back(std::move(entrada));
    }
    const std::string continuacao = flag ? std::string(1, flag) : std::string();
    return host::GravaCampoBytes(10286, 0, continuacao) == 0;
}

bool TrataServicoX_PagueFacil_Entrada() {
    const int qtde = LeContagem(CAMPO_SERVICO_X + DISTANCIA_CONTAGEM, 5).value_or(0);
    std::string texto;
    Percorre(CAMPO_SERVICO_X, 5, CAPACIDADE_QX, [&](const std::string& r) {
        if (r.empty() || r.front() != 'Q') return true;
        const std::string_view parte = Apara(std::string_view(r).substr(1));
        texto.append(parte.substr(0, MAX_TEXTO_QX - std::min<size_t>(texto.size(), MAX_TEXTO_QX)));
        return texto.size() < static_cast<size_t>(MAX_TEXTO_QX);
    });
    return TrataServicoQ_PagueFacil_Entrada(texto, qtde);
}

bool TrataServicoXEmprestimoConsignado(int tipo, std::string_view texto) {
    if (tipo < 42 || tipo > 44) return false;
    const bool gravou = host::GravaCampoBytes(10104, 0, Fatia(texto, 4, 23)) == 0;
    // The stored copy keeps everything but the account, which stays in the host field only.
    const auto guarda = [texto](auto& registro) {
        registro.atribui(texto);
        Copia(registro, 4, {}, 23);
    };
    if (tipo == 42) {
        auto& r = ServicoXConsultaEmprestimoConsignado;
        guarda(r.Dados);
        r.Entradas.clear();
        const int n = Inteiro(Fatia(texto, 27, 2), 0);
        LeEntradas(r.Entradas, n, texto, 29);
    } else if (tipo == 43) {
        guarda(ServicoXConsultaPropostaMaximaEmprestimoConsignado);
    } else {
        guarda(ServicoXSimulaEmprestimoConsignado);
    }
    return gravou;
}

bool TrataServicoXEmprestimoSimula() {
    auto& r = ServicoXSimulaEmprestimo;
    r.Dados.limpa();
    r.Opcoes.clear();
    const std::string registro = host::ProcuraServico(CAMPO_SERVICO_A, 'A', "0340", 1024);
    if (registro.empty()) return false;
    r.Dados.atribui(registro);
    const int n = Inteiro(Fatia(registro, 70, 1), 0);
    LeEntradas(r.Opcoes, n, registro, 71);
    const bool gravou = host::GravaCampoBytes(10104, 0, Fatia(registro, 4, 23)) == 0;
    // The account the query named is no longer the one the request carries.
    if (!gravou) Copia(ServicoXConsultaEmprestimo.Dados, 4, {}, 23);
    return n > 0 && gravou;
}

bool TrataServicoXEmprestimo() {
    auto& r = ServicoXConsultaEmprestimo;
    r.limpa();
    // Up to 99 limits of 100 characters after the 29 of the header.
    const std::string registro = host::ProcuraServico(CAMPO_SERVICO_A, 'A', "0312", 29 + 99 * 100);
    if (registro.empty()) return false;
    r.Dados.atribui(registro);
    const int n = Inteiro(Fatia(registro, 27, 2), 0);
    for (size_t pos = 29; static_cast<int>(r.Limites.size()) < n && pos + 100 <= registro.size(); pos += 100)
        r.Limites.emplace_back().atribui(Fatia(registro, pos, 100));
    return host::GravaCampoBytes(10104, 0, Fatia(registro, 4, 23)) == 0;
}

// ---------------------------------------------------------------------------------------------------------------
// Services M and c

int TrocaCRLFEspaco(char* buffer, int capacidade, int tamanho) {
    if (!buffer || capacidade <= 0) return 0;
    const int limite = std::min(128, capacidade - 1);
    tamanho = std::clamp(tamanho, 0, capacidade - 1);
    int j = 0;
    for (int i = 0; i < tamanho && j < limite; ++i) {
        if (buffer[i] == '\r' && i + 1 < tamanho && buffer[i + 1] == '\n') {
            buffer[j++] = ' ';
            ++i;
        } else {
            buffer[j++] = buffer[i];
        }
    }
    buffer[j] = '\0';
    return j;
}

QString TrataServicoM_PagueFacil() {
    bBufferAux.fill('\0');
    const auto m = host::LeCampoBytesPresente(CAMPO_SERVICO_M, 0, 128);
    if (!m) return {};
    std::string texto;
    for (char c : CortaNoNul(*m)) {
        if (c == '@')
            texto += "\r\n";
        else
            texto += c;
    }
    texto = std::string(Apara(texto)) + "\r\n";
    const size_t n = std::min<size_t>(texto.size(), bBufferAux.size() - 1);
    std::copy_n(texto.begin(), n, bBufferAux.begin());
    const int tamanho =
        TrocaCRLFEspaco(bBufferAux.data(), static_cast<int>(bBufferAux.size()), static_cast<int>(n));
    return Texto(std::string_view(bBufferAux.data(), static_cast<size_t>(tamanho)));
}

int SlotDoDocumento(int k) {
    if (k < 1) return -1;
    const auto i = static_cast<size_t>(k - 1);
    return i < IndiceDocsConsultadosOK.size() ? IndiceDocsConsultadosOK[i] : k - 1;
}

bool TrataServicoc_AutenticacaoDocumento() {
    const auto c = LeOcorrencia(CAMPO_SERVICO_C, 0, 1024);
    if (!c || !c->starts_with("01")) return false;
    const int sequencia = Inteiro(Fatia(*c, 2, 2), 0);
    if (sequencia < 1 || sequencia > static_cast<int>(IndiceDocsConsultadosOK.size())) return false;
    const int indice = SlotDoDocumento(sequencia);
    if (indice < 0) return false;
    const bool valor = host::GravaCampoBytes(1120, indice, Fatia(*c, 52, 12)) == 0;
    const bool situacao = host::GravaCampoString(1173, indice, QStringLiteral("0")) == 0;
    const bool texto = host::GravaCampoBytes(1121, indice, Fatia(*c, 64, 255)) == 0;
    return valor && situacao && texto;
}

// ---------------------------------------------------------------------------------------------------------------
// Service I and the saved copies

namespace {

int LeQuantidade(int campo) {
    return std::clamp(host::LeCampoInteiro(campo, 0, 0), 0, MAX_OCORRENCIAS);
}

} // namespace

void GravaServicoI_Ext(bool acrescenta) {
    const int n = LeQuantidade(CAMPO_SERVICO_I + DISTANCIA_CONTAGEM);
    if (n == 0) return;
    const int anteriores = acrescenta ? LeQuantidade(CAMPO_COPIA_QTDE) : 0;
    const int total = n + anteriores;
    host::GravaCampoString(CAMPO_COPIA_QTDE, 0, QString::number(total));
    for (int i = anteriores; i < total; ++i)
        CopiaOcorrencia(CAMPO_SERVICO_I, i, CAMPO_COPIA, i);
}

void GravaServicoI() {
    GravaServicoI_Ext(false);
}

void RestauraServicoI() {
    const int s = LeQuantidade(CAMPO_COPIA_QTDE);
    if (s == 0) return;
    const int c = LeQuantidade(CAMPO_SERVICO_I + DISTANCIA_CONTAGEM);
    const int r = std::clamp(NumeroLinhaRecorteAqui, 0, MAX_OCORRENCIAS);
    const int t = std::clamp(NumeroLinhasCupomTEF, 0, MAX_OCORRENCIAS);
    const auto linha = [](int i) {
        return host::LeCampoBytesPresente(CAMPO_SERVICO_I, i).value_or(std::string());
    };
    const auto grava = [](int i, const std::string& v) { host::GravaCampoBytes(CAMPO_SERVICO_I, i, v); };
    const auto salva = [](int k, int i) { CopiaOcorrencia(CAMPO_COPIA, k, CAMPO_SERVICO_I, i); };
    const auto quantidade = [](int n) { GravaContagem(CAMPO_SERVICO_I + DISTANCIA_CONTAGEM, n, 5); };
    // Each of the two copies of a receipt with a cut mark gets both sets of lines; field 10170 tells the host
    // where the cut mark moved.
    if (r == 0) {
        for (int k = 0; k < s; ++k)
            salva(k, c + k);
        quantidade(c + s);
    } else if (TrnCNC) {
        std::vector<std::string> depoisDoCorte;
        for (int i = r; i < t; ++i)
            depoisDoCorte.push_back(linha(i));
        for (int k = 0; k < s; ++k)
            salva(k, r + k);
        for (size_t j = 0; j < depoisDoCorte.size(); ++j)
            grava(r + s + static_cast<int>(j), depoisDoCorte[j]);
        for (int k = 0; k < s; ++k)
            salva(k, s + t + k);
        quantidade(2 * s + t);
        host::GravaCampoString(10170, 0, QString::number(r + s));
    } else {
        std::vector<std::string> atuais;
        for (int i = 0; i < c; ++i)
            atuais.push_back(linha(i));
        for (int k = 0; k < r; ++k)
            salva(k, c + k);
        for (int j = 0; j < c; ++j)
            grava(c + r + j, atuais[static_cast<size_t>(j)]);
        for (int p = 2 * c + r; p < 2 * c + t; ++p)
            salva(p - 2 * c, p);
        quantidade(2 * c + t);
        host::GravaCampoString(10170, 0, QString::number(r + c));
    }
}

void SalvaServicoAConsParam() {
    const int n = LeContagem(CAMPO_SERVICO_A + DISTANCIA_CONTAGEM, 4).value_or(0);
    host::GravaCampoString(CAMPO_COPIA_QTDE, 0, QString::number(n));
    for (int i = 0; i < n; ++i)
        CopiaOcorrencia(CAMPO_SERVICO_A, i, CAMPO_COPIA, i);
}

bool RecuperaServicoAConsParam() {
    // Service A keeps a four-digit count.
    const int n = std::min(host::LeCampoInteiro(CAMPO_COPIA_QTDE, 0, 0), 9999);
    if (n <= 0) return false;
    GravaContagem(CAMPO_SERVICO_A + DISTANCIA_CONTAGEM, n, 4);
    for (int i = 0; i < n; ++i)
        CopiaOcorrencia(CAMPO_COPIA, i, CAMPO_SERVICO_A, i);
    host::LimpaCampo(CAMPO_COPIA_QTDE);
    host::LimpaCampo(CAMPO_COPIA);
    return true;
}

namespace {
// Service 5's count as the chip data keeps it: at most ten characters, 0 when empty.
int ContagemServico5() {
    return Inteiro(CortaNoNul(host::LeCampoBytes(CAMPO_SERVICO_5 + DISTANCIA_CONTAGEM, 0, 10)), 0);
}
} // namespace

void SalvaDPCHIP() {
    iDPCHIP = ContagemServico5();
    sDPCHIP = host::VerificaServico5String(QStringLiteral("DPCHIP:"), true).value_or(QString());
}

void RecuperaDPCHIP() {
    if (sDPCHIP.isEmpty()) return;
    const int n = std::clamp(ContagemServico5(), 0, MAX_OCORRENCIAS - 1) + 1;
    host::GravaCampoString(CAMPO_SERVICO_5, n - 1, sDPCHIP);
    GravaContagem(CAMPO_SERVICO_5 + DISTANCIA_CONTAGEM, n, 5);
}

void SalvaValorReferencia() {
    const auto valor = host::VerificaServico5String(QStringLiteral("VLREFBACEN:"), false);
    if (valor) acValorReferenciaBACEN3978.atribui(host::paraLatin1(valor->left(12)));
}

void TrataGravacao_SEQ_CB() {
    host::GravaCampoString(10102, 0, QStringLiteral("SEQ_CB:") + QString::number(QtdeDocsConsultadosOK));
}

namespace {

// Network codes kept across a later parameter load in a host field: the trimmed code, or one blank.
template <size_t N> void SalvaRede(const Registro<N>& r, size_t off, int campo) {
    QString rede = Apara(r.texto(off, 3));
    if (rede.isEmpty()) rede = QStringLiteral(" ");
    host::GravaCampoString(campo, 0, rede);
}

template <size_t N> void RecuperaRede(Registro<N>& r, size_t off, int campo) {
    const auto v = host::LeCampoBytesPresente(campo, 0, 3);
    if (v) Copia(r, off, *v, 3);
}

} // namespace

void SalvaServicoHzinho_21_Informacoes_Gerais_CB() {
    SalvaRede(ServicoHzinho_21_Informacoes_Gerais_CB, 22, 10166);
}
void RecuperaServicoHzinho_21_Informacoes_Gerais_CB() {
    RecuperaRede(ServicoHzinho_21_Informacoes_Gerais_CB, 22, 10166);
}
void SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa() {
    SalvaRede(ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa, 22, 10167);
}
void RecuperaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa() {
    RecuperaRede(ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa, 22, 10167);
}
void RecuperaServicoHzinho_25_InformacaoModoTransacao() {
    RecuperaRede(ServicoHzinho_25_InformacaoModoTransacao, 24, 10168);
}

// ---------------------------------------------------------------------------------------------------------------
// Checks and request data

bool VerificaDadosBanco() {
    const auto& h21 = ServicoHzinho_21_Informacoes_Gerais_CB;
    const int banco = h21.inteiro(25, 3, 0);
    const QString cartao = Apara(host::LeCampo(1029));
    if (banco <= 0 || cartao.isEmpty()) return true;
    const auto bancoCartao = Numero(host::paraLatin1(cartao));
    if (bancoCartao && *bancoCartao == banco) return true;
    Avisa(Formata(msg::MsgDadosBancoInvalido, {cartao, Apara(h21.texto(25, 3))}), QStringLiteral("Aviso"));
    return false;
}

void TrataVersaoVortaCB() {
    if (!VERSAO_DO_VORTA_CB.isEmpty()) return;
    host::LimpaCampo(10402);
    VERSAO_DO_VORTA_CB = Apara(ServicoHzinho_43_InformacoesModuloCB_BradescoTratamentoEMV.texto(25, 15));
    host::GravaCampoBytes(10402, 0, host::paraLatin1(VERSAO_DO_VORTA_CB));
}

bool TrataPagamentoContasRede_045_082() {
    const auto numero = [](int campo, int ocorrencia) {
        return Numero(host::paraLatin1(host::LeCampo(campo, ocorrencia)), 0);
    };
    const long long v = numero(10102, 3);
    long long a = 0, b = 0;
    if (host::LeCampo(10447) == QLatin1String("1")) {
        const long long base = v > 0 ? v : Valor(TabelaServicoQ_082_DadosConsultaCodigoBarras, 24, 12, 0);
        if (base <= 0) return false;
        a = numero(10446, 0);
        b = numero(10446, 1);
    } else if (iVeioServicoh45) {
        a = Valor(ServicoHzinho_45_DadosBoletoRegistrado, 55, 12, 0);
        b = Valor(ServicoHzinho_45_DadosBoletoRegistrado, 67, 12, 0);
    }
    const bool gravouA = host::GravaCampoString(10407, 0, QString::number(a)) == 0;
    const bool gravouB = host::GravaCampoString(10407, 1, QString::number(b)) == 0;
    return gravouA && gravouB && (a > 0 || b > 0);
}

void Grava_Tipo_5_ServicoHzinho_Pagamento_Rede() {
    ServicoHzinho_Pagamento.limpa();
    Copia(ServicoHzinho_Pagamento, 20, "005", 3);
    Copia(ServicoHzinho_Pagamento, 23, "121122", 6);
}

void TrataPrefixoDADICPAGCB() {
    static constexpr size_t kCabecalho = 2, kEntrada = 82;
    // Each part runs up to the next one; the last to the entry's end.
    static constexpr size_t kOffset[8] = {0, 13, 26, 41, 56, 71, 80, kEntrada};
    const int n = std::clamp(IndiceDadosAdicionais, 0, 100);
    QStringList entradas;
    for (int e = 0; e < n; ++e) {
        QString f[7];
        bool algum = false;
        for (size_t i = 0; i < 7; ++i) {
            f[i] = Apara(DadosAdicionaisBoletoRegistradoContingencia.texto(
                kCabecalho + static_cast<size_t>(e) * kEntrada + kOffset[i], kOffset[i + 1] - kOffset[i]));
            if (i < 6 && !f[i].isEmpty()) algum = true;
        }
        if (!algum) continue;
        QString entrada = f[6] + QLatin1Char('=') + f[0];
        for (size_t i = 1; i < 6; ++i)
            entrada += QLatin1Char('|') + f[i];
        entradas.append(entrada);
    }
    // The ";" closes the last entry written, whichever record it came from; a payment without
    // registered-boleto data sends none, not what an earlier payment left in the field.
    if (entradas.isEmpty())
        host::LimpaCampo(10440);
    else
        host::GravaCampoString(10440, 0, entradas.join(QLatin1Char(',')) + QLatin1Char(';'));
}

bool ValidaValorMinMaxBoletoRegistradoCB(const QString& valor) {
    const long long v = Numero(host::paraLatin1(host::RemoveFormato(valor)), 0);
    const long long minimo = Valor(ServicoHzinho_45_DadosBoletoRegistrado, 115, 12, 0);
    const long long maximo = Valor(ServicoHzinho_45_DadosBoletoRegistrado, 127, 12, 0);
    if (minimo == 0 && maximo == 0) return true;
    if (!((minimo > 0 && v < minimo) || (maximo >= 1 && v > maximo))) return true;
    QString texto = QString::fromUtf8(msg::MsgForaLimitesValoresAutorizados) + QStringLiteral(" (");
    if (minimo > 0)
        texto += QString::fromUtf8(msg::TituloValorMinimo) + host::Dollar(QString::number(minimo)) +
                 QStringLiteral(" - ");
    if (maximo > 0)
        texto += QString::fromUtf8(msg::TituloValorMaximo) + host::Dollar(QString::number(maximo));
    texto += QStringLiteral(") ");
    Avisa(texto);
    return false;
}

bool GravaDadosColetaSenha(const QString& banco, const QString& agencia, const QString& conta,
                           const QString& digito) {
    // An account or digit that is not a number counts as 0, as the PIN pad expects digits only.
    bool ok = false;
    const long long numeroConta = conta.trimmed().toLongLong(&ok);
    QString textoConta = QString::number(ok ? numeroConta : 0);
    textoConta = textoConta.size() < 8 ? textoConta.rightJustified(7, QLatin1Char('0')) : textoConta.left(7);
    // A digit that is not one (or none) reads as 0.
    const QString textoDigito = QString::number(digito.trimmed().left(1).toInt());
    QString texto = banco.trimmed().rightJustified(4, QLatin1Char('0')) +
                    agencia.trimmed().rightJustified(4, QLatin1Char('0')) + textoConta + textoDigito;
    std::string bytes = host::paraLatin1(texto);
    const bool gravou = host::GravaCampoBytes(10104, 0, bytes) == 0;
    Apaga(bytes);
    texto.fill(QLatin1Char('*'));
    textoConta.fill(QLatin1Char('*'));
    return gravou;
}

bool VerificaSeSimuladorBradesco() {
    const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("ClienteTrn.ini")));
    return ini.LeBool(QStringLiteral("CorrespondenteBancario"), QStringLiteral("SimuladorPinpadCBBradesco"),
                      false);
}

} // namespace Lumomain
