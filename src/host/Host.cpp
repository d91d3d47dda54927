#include "host/Host.h"

#include "basekit.h"
#include "hostlink.h"
#include "opkit.h"
#include "winkit.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QVariant>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace host {

QString deLatin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string paraLatin1(const QString& texto) {
    const QByteArray b = texto.toLatin1();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

namespace {

// Calls a snprintf-style routine, growing the buffer once when the first one was short. Host fields may hold
// card data: every buffer is zeroed before it is released.
template <class F> std::string chamaTexto(F&& rotina) {
    std::vector<char> buf(256);
    int n = rotina(buf.data(), static_cast<int>(buf.size()));
    if (n >= 0 && static_cast<size_t>(n) >= buf.size()) {
        std::vector<char> maior(static_cast<size_t>(n) + 1);
        explicit_bzero(buf.data(), buf.size());
        buf.swap(maior);
        n = rotina(buf.data(), static_cast<int>(buf.size()));
    }
    std::string r = n < 0 ? std::string() : std::string(buf.data(), static_cast<size_t>(std::max(n, 0)));
    explicit_bzero(buf.data(), buf.size());
    return r;
}

// The Latin-1 text as a QString, with the 8-bit copy zeroed.
QString deLatin1Apagando(std::string& bytes) {
    QString r = deLatin1(bytes);
    explicit_bzero(bytes.data(), bytes.size());
    return r;
}

template <class F> QString chamaTextoQ(F&& rotina) {
    std::string v = chamaTexto(std::forward<F>(rotina));
    return deLatin1Apagando(v);
}

} // namespace

std::string LeCampoBytes(int campo, int ocorrencia, int maxLen) {
    return LeCampoBytesPresente(campo, ocorrencia, maxLen).value_or(std::string());
}

std::optional<QString> LeCampoPresente(int campo, int ocorrencia) {
    bool ausente = false;
    std::string v = chamaTexto([&](char* s, int c) {
        const int n = ::LeCampo(s, c, campo, ocorrencia);
        ausente = n < 0;
        return std::max(n, 0);
    });
    if (ausente) return std::nullopt;
    return deLatin1Apagando(v);
}

QString LeCampo(int campo, int ocorrencia) {
    return LeCampoPresente(campo, ocorrencia).value_or(QString());
}

int LeCampoInteiro(int campo, int ocorrencia, int padrao) {
    bool ok = false;
    const int v = LeCampo(campo, ocorrencia).trimmed().toInt(&ok);
    return ok ? v : padrao;
}

int CodigoResultado() {
    return LeCampoInteiro(1009, 0, 255);
}

uint16_t GravaCampoString(int campo, int ocorrencia, const QString& texto) {
    return ::GravaCampoString(campo, ocorrencia, paraLatin1(texto).c_str());
}

uint16_t GravaCampoBytes(int campo, int ocorrencia, std::string_view bytes) {
    if (bytes.size() > 0xFFFF) return HL_PARAMETRO_INVALIDO;
    return HostlinkGravaCampo(campo, ocorrencia, bytes.data(), static_cast<uint16_t>(bytes.size()));
}

namespace {
void VORTA_CALL MostraProgresso(const char* texto, void* contexto) {
    MostraStatus(static_cast<QObject*>(contexto), deLatin1(texto ? texto : ""));
}
} // namespace

void MostraStatus(QObject* status, const QString& texto) {
    if (!status) return;
    status->setProperty("text", texto);
    // A widget's repaint is a slot: the text shows now, not when the event loop next runs.
    QMetaObject::invokeMethod(status, "repaint", Qt::DirectConnection);
}

namespace {

// Every field the module may leave card data or a secret in; the card read's record (10109) goes once the
// result file has reported it.
constexpr int kSegredosDaChamada[] = {10104, 10146, 10149, 10174, 10175, 10176, 10242,
                                      10243, 10244, 10290, 10348, 10378, 10544};
constexpr int kCampoBlocoSenha = 10146;
constexpr int kCampoCartaoLido = 10109;

bool blocoSenhaNovo = false;

} // namespace

bool BlocoSenhaNovo() {
    return blocoSenhaNovo;
}

void DefineBlocoSenhaNovo(bool novo) {
    blocoSenhaNovo = novo;
}

bool AutorizaTransacao(const TTabelaTrn& descritor, QObject* status, int flag) {
    const bool ok = ::AutorizaTransacao(&descritor, &MostraProgresso, status, flag);
    // A PIN block that has gone to the bank is spent: the next PIN step asks the customer again.
    for (const TCampoTrn& item : descritor.Campos) {
        if (item.Campo == kCampoBlocoSenha) blocoSenhaNovo = false;
    }
    return ok;
}

uint16_t LimpaCampo(int campo) {
    return HostlinkLimpaCampo(campo);
}

std::optional<std::string> LeCampoBytesPresente(int campo, int ocorrencia, int maxLen) {
    const uint16_t limite = static_cast<uint16_t>(std::clamp(maxLen, 0, 0xFFFF));
    // Most fields are short: one read into a small buffer; a longer one is read again at the size it
    // reported.
    char curto[512];
    uint16_t tamanho = sizeof curto;
    uint16_t st = HostlinkLeCampoMaxLen(campo, ocorrencia, curto, &tamanho, limite);
    std::optional<std::string> lido;
    if (st == HL_OK) lido.emplace(curto, tamanho);
    // The stack copy may be card data: zeroed before the frame goes.
    explicit_bzero(curto, sizeof curto);
    if (st != HL_BUFFER_PEQUENO) return lido;
    std::string buf(tamanho, '\0');
    st = HostlinkLeCampoMaxLen(campo, ocorrencia, buf.data(), &tamanho, limite);
    if (st != HL_OK) return std::nullopt;
    buf.resize(tamanho);
    return buf;
}

std::string ProcuraServico(int campo, char servico, std::string_view chave, int tamanho) {
    tamanho = std::clamp(tamanho, 0, 0xFFFE);
    if (tamanho == 0) return {};
    // The package hands back occurrence 0; a keyed search goes on through the others, as far as the count
    // says or, without a count, up to the first absent one.
    std::vector<char> buf(static_cast<size_t>(tamanho) + 1, '\0');
    const uint16_t n = ::ProcuraServico(1, campo, servico, 0, buf.data(), static_cast<uint16_t>(buf.size()));
    std::string primeiro(buf.data(), std::min<size_t>(n, static_cast<size_t>(tamanho)));
    if (chave.empty() || primeiro.starts_with(chave)) return primeiro;
    const auto contagem = LeCampoBytesPresente(campo + 110, 0, 16);
    int total = 99999;
    if (contagem) {
        bool ok = false;
        total = std::clamp(deLatin1(*contagem).trimmed().toInt(&ok), 0, 99999);
        if (!ok) total = 0;
    }
    for (int i = 1; i < total; ++i) {
        const auto v = LeCampoBytesPresente(campo, i, tamanho);
        if (!v) {
            if (contagem) continue;
            break;
        }
        if (v->starts_with(chave)) return *v;
    }
    return {};
}

bool VerificaServico5(const QString& prefixo, int limite) {
    return ::VerificaServico5(paraLatin1(prefixo).c_str(), limite);
}

std::optional<QString> VerificaServico5String(const QString& prefixo, bool inteiro) {
    const std::string p = paraLatin1(prefixo);
    bool ausente = false;
    const std::string v = chamaTexto([&](char* s, int c) {
        const int n = ::VerificaServico5String(p.c_str(), s, c);
        ausente = n < 0;
        return std::max(n, 0);
    });
    if (ausente) return std::nullopt;
    const QString elemento = deLatin1(v);
    return inteiro ? elemento : elemento.mid(prefixo.size());
}

namespace {

// The result the running call has asked for so far.
struct ResultadoDaChamada {
    bool emChamada = false;
    std::optional<std::pair<int, std::string>> erroPDV;
    QStringList impressao;
};
ResultadoDaChamada resultado;

constexpr int kCampoRecibo = 20018;     // service I: the receipt lines, with the NSU
constexpr int kCampoQtdeRecibo = 20128; // their count

} // namespace

// Appends lines to the receipt the result file carries (service I and its five-digit count).
void AcrescentaAoRecibo(const QStringList& linhas) {
    const int n = std::max(LeCampoInteiro(kCampoQtdeRecibo, 0, 0), 0);
    for (qsizetype i = 0; i < linhas.size(); ++i)
        GravaCampoBytes(kCampoRecibo, n + static_cast<int>(i), paraLatin1(linhas.at(i)));
    GravaCampoBytes(
        kCampoQtdeRecibo, 0,
        QString::number(n + linhas.size()).rightJustified(5, QLatin1Char('0')).toLatin1().toStdString());
}

void ImprimeNoResultado(const QStringList& linhas) {
    if (resultado.emChamada)
        resultado.impressao += linhas;
    else
        AcrescentaAoRecibo(linhas);
}

uint16_t GravaArquivo() {
    if (!resultado.emChamada) return HostlinkGravaArquivo();
    resultado.erroPDV.reset();
    return HL_OK;
}

uint16_t EnviaArquivoErroPDV(int codigo, const QString& mensagem) {
    if (!resultado.emChamada) return ::EnviaArquivoErroPDV(codigo, paraLatin1(mensagem).c_str());
    const std::string texto = paraLatin1(mensagem);
    GravaCampoBytes(1009, 0, std::to_string(codigo));
    GravaCampoBytes(1027, 0, texto);
    resultado.erroPDV.emplace(codigo, texto);
    return HL_OK;
}

void InicioDeChamada(bool mantemRecibo) {
    resultado = ResultadoDaChamada{};
    resultado.emChamada = true;
    HostlinkLimpaCampo(1009);
    HostlinkLimpaCampo(1027);
    // A block in the field now was put there by the host for this call (the last call left none).
    blocoSenhaNovo = LeCampoBytesPresente(kCampoBlocoSenha, 0, 64).value_or(std::string()).size() > 0;
    if (!mantemRecibo) {
        HostlinkLimpaCampo(kCampoRecibo);
        HostlinkLimpaCampo(kCampoQtdeRecibo);
    }
}

void FimDeChamada() noexcept {
    // Nothing of the customer's card stays behind in the fields once the host has control again.
    for (const int campo : kSegredosDaChamada)
        HostlinkLimpaCampo(campo);
    blocoSenhaNovo = false;
    const auto erro = std::move(resultado.erroPDV);
    const QStringList impressao = std::move(resultado.impressao);
    resultado = ResultadoDaChamada{};
    if (!impressao.isEmpty()) AcrescentaAoRecibo(impressao);
    if (erro)
        ::EnviaArquivoErroPDV(erro->first, erro->second.c_str());
    else
        HostlinkGravaArquivo();
    // The card read's own record is reported (masked) with the call and then goes too: the next call reads
    // the card again, and a track kept between calls would only be a copy to steal.
    HostlinkLimpaCampo(kCampoCartaoLido);
}

uint16_t EnviarFinalizacao() {
    return HostlinkEnviarFinalizacaoEx(0);
}

void GravaAudit(const QString& linha) {
    const std::string b = paraLatin1(linha);
    ::GravaAudit(0, b.data(), static_cast<int>(b.size()));
}

bool CarregaModulos(const QString& codigoModulo, int a, int b) {
    return ::CarregaModulos(paraLatin1(codigoModulo).c_str(), a, b);
}

QString GetBuildInfo(const QString& arquivo) {
    const std::string f = QFile::encodeName(arquivo).toStdString();
    return chamaTextoQ([&](char* s, int c) { return ::GetBuildInfo(f.c_str(), s, c); });
}

bool AplicaTemaKestra(QWidget* formulario) {
    return ::AplicaTemaKestra(formulario) == 0;
}
bool PermiteAlterarDados() {
    return ::PermiteAlterarDados();
}
void ColocaJanelaEmPrimeiroPlano(uintptr_t janela) {
    ::ColocaJanelaEmPrimeiroPlano(janela);
}
bool ValidarOperador(uintptr_t janela, const char* nivel) {
    return ::ValidarOperador(janela, nivel);
}

QString Dollar(const QString& valor) {
    const std::string v = paraLatin1(valor);
    return chamaTextoQ([&](char* s, int c) { return ::Dollar(v.c_str(), s, c); });
}

QString RemoveFormato(const QString& valor) {
    const std::string v = paraLatin1(valor);
    return chamaTextoQ([&](char* s, int c) { return ::RemoveFormato(v.c_str(), s, c); });
}

QString Replicate(char caractere, int quantidade) {
    return chamaTextoQ(
        [&](char* s, int c) { return ::Replicate(static_cast<unsigned char>(caractere), quantidade, s, c); });
}

QString PreencherZerosEsquerda(const QString& texto, int largura) {
    const std::string v = paraLatin1(texto);
    return chamaTextoQ([&](char* s, int c) { return ::PreencherZerosEsquerda(v.c_str(), largura, s, c); });
}

QString RightString(const QString& texto, int largura) {
    const std::string v = paraLatin1(texto);
    return chamaTextoQ([&](char* s, int c) { return ::RightString(v.c_str(), largura, s, c); });
}

QString CopiaSubStringDelimitador(const QString& texto, const QString& inicio, char delimitador) {
    const std::string v = paraLatin1(texto), i = paraLatin1(inicio);
    return chamaTextoQ(
        [&](char* s, int c) { return ::CopiaSubStringDelimitador(v.c_str(), i.c_str(), delimitador, s, c); });
}

char ValKeyBoard(char tecla) {
    return ::ValKeyBoard(&tecla);
}
char PermiteNumerico_BS_Enter(char tecla) {
    return ::PermiteNumerico_BS_Enter(&tecla);
}
void AvancaRetrocedeItemComboBox(QComboBox* combo, char& tecla) {
    ::AvancaRetrocedeItemComboBox(combo, &tecla);
}
void memLimpaEdit(QLineEdit* edit) {
    ::memLimpaEdit(edit);
}

bool VerificaCPF(const QString& d) {
    return ::VerificaCPF(paraLatin1(d).c_str());
}
bool VerificaCNPJ(const QString& d) {
    return ::VerificaCNPJ(paraLatin1(d).c_str());
}
bool ValidaModulo10(const QString& d) {
    return ::ValidaModulo10(paraLatin1(d).c_str());
}
bool ValidaModulo11Convenio(const QString& d) {
    return ::ValidaModulo11Convenio(paraLatin1(d).c_str());
}
bool ValidaCodigoBarrasCompletoTitulo(const QString& d) {
    return ::ValidaCodigoBarrasCompletoTitulo(paraLatin1(d).c_str());
}
bool ValidaCodigoBarrasCompletoConvenio(const QString& d) {
    return ::ValidaCodigoBarrasCompletoConvenio(paraLatin1(d).c_str());
}

QString DiretorioHost() {
    const QByteArray d = qgetenv("CB_HOST_DIR");
    if (!d.isEmpty()) return QFile::decodeName(d);
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

} // namespace host
