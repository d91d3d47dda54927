// C++ face of the host's components: std::string and QString in and out, Latin-1 conversion and status codes.
// The rest of the module reaches the host only through here.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;
class QComboBox;
class QLineEdit;
class QObject;
struct TTabelaTrn;

namespace host {

// Host text is 8-bit Latin-1; the module works in QString.
QString deLatin1(std::string_view bytes);
std::string paraLatin1(const QString& texto);

// Fields. Absent and empty read the same through LeCampo; LeCampoPresente tells them apart.
QString LeCampo(int campo, int ocorrencia = 0);
std::optional<QString> LeCampoPresente(int campo, int ocorrencia = 0);
std::string LeCampoBytes(int campo, int ocorrencia = 0, int maxLen = 0xFFFF);
int LeCampoInteiro(int campo, int ocorrencia, int padrao);
// The server's answer code (field 1009) as a number; 255, the code of "no answer", when it is not one.
int CodigoResultado();
inline bool Aprovada() {
    return CodigoResultado() == 0;
}
uint16_t GravaCampoString(int campo, int ocorrencia, const QString& texto);
// The same write as a success flag, for request writers that stop at the first failure.
inline bool Grava(int campo, const QString& valor, int ocorrencia = 0) {
    return GravaCampoString(campo, ocorrencia, valor) == 0;
}
uint16_t GravaCampoBytes(int campo, int ocorrencia, std::string_view bytes);
uint16_t LimpaCampo(int campo);
// The field's bytes, at most maxLen of them; nullopt when the field (or that occurrence) is absent.
std::optional<std::string> LeCampoBytesPresente(int campo, int ocorrencia, int maxLen = 0xFFFF);

// Reply services (basekit). ProcuraServico: the first occurrence of the service kept in campo whose text
// begins with chave (occurrence 0 when chave is empty), cut to tamanho bytes; empty when there is none.
std::string ProcuraServico(int campo, char servico, std::string_view chave, int tamanho);
// Whether service 5 holds an element with this prefix within its first limite occurrences (all when 0).
bool VerificaServico5(const QString& prefixo, int limite = 0);
// The first service-5 element with this prefix: whole (prefix included) or only the value after the prefix;
// nullopt when there is none.
std::optional<QString> VerificaServico5String(const QString& prefixo, bool inteiro);

// Where progress texts go: a label of the calling screen, or nothing. The host link knows it only as an
// object with a text property, so that it needs no widgets; the label repaints at once.
void MostraStatus(QObject* status, const QString& texto);

// Sends the request the descriptor describes and stores the reply (1009, 1027, services). Progress texts go
// to the status label. False when nothing came back (1009 "255" and the reason in
// 1027).
bool AutorizaTransacao(const TTabelaTrn& descritor, QObject* status, int flag = 0);

// Results for the host. While a call of an entry point runs (between InicioDeChamada and FimDeChamada) both
// set the fields at once and leave the file, and the error report to the point of sale, for the end of the
// call: the host gets one result file per call, with the result the call ended on.
uint16_t GravaArquivo();
uint16_t EnviaArquivoErroPDV(int codigo, const QString& mensagem);
// Lines the operator printed during the call (a summary shown before a later transaction): the host prints
// what the result file carries, and a later reply replaces the receipt, so they are kept aside and added
// after the call's receipt when the file is written. Outside a call they go to the receipt at once.
void ImprimeNoResultado(const QStringList& linhas);
// Starts a call: the result code and text of the call before are gone, and so is its receipt unless the call
// continues that one (mantemRecibo).
void InicioDeChamada(bool mantemRecibo);
// Ends it: writes the result file once (through the error report when that was the last result asked for).
// Never throws.
void FimDeChamada() noexcept;
uint16_t EnviarFinalizacao();
void GravaAudit(const QString& linha);

// Other components.
bool CarregaModulos(const QString& codigoModulo, int a, int b); // may throw: the other module is foreign code
QString GetBuildInfo(const QString& arquivo);
bool AplicaTemaKestra(QWidget* formulario);
bool PermiteAlterarDados();
void ColocaJanelaEmPrimeiroPlano(uintptr_t janela);
bool ValidarOperador(uintptr_t janela, const char* nivel);

// Formatting and validation.
QString Dollar(const QString& valor);
QString RemoveFormato(const QString& valor);
QString Replicate(char caractere, int quantidade);
QString PreencherZerosEsquerda(const QString& texto, int largura);
QString RightString(const QString& texto, int largura);
QString CopiaSubStringDelimitador(const QString& texto, const QString& inicio, char delimitador);
char ValKeyBoard(char tecla);
char PermiteNumerico_BS_Enter(char tecla);
void AvancaRetrocedeItemComboBox(QComboBox* combo, char& tecla);
void memLimpaEdit(QLineEdit* edit);
bool VerificaCPF(const QString& digitos);
bool VerificaCNPJ(const QString& digitos);
bool ValidaModulo10(const QString& digitos);
bool ValidaModulo11Convenio(const QString& digitos);
bool ValidaCodigoBarrasCompletoTitulo(const QString& digitos);
bool ValidaCodigoBarrasCompletoConvenio(const QString& digitos);

// PIN pad (padkit) and BIN table (binkit). Status codes: 0 success. The progress texts of the PIN pad go to
// the status label. A chip card may ask for an offline advice while it is processed; advice sends it (its
// argument: mark the request as an advice) and says whether it went.
using AdviceOffLine = std::function<bool(bool marca)>;
uint16_t AbrePinpadCB();
uint16_t FechaPinpadCB();
uint16_t LerCartaoCB(uintptr_t janela, const QString& titulo);
uint16_t LerCartaoCBGenerico(uintptr_t janela, int generico, const QString& titulo);
uint16_t LerCartao(uintptr_t janela, int generico, const QString& titulo);
bool CartaoProcessaChip();
uint16_t AnalisaDadosCartaoCB();
uint16_t AnalisaDadosCartao();
// Whether the PIN block in 10146 may be taken as it is: the host wrote it for this call, or a PIN step of
// this call read it and no request has carried it yet. A block that has gone to the bank is never taken
// again; the next PIN step asks the customer.
bool BlocoSenhaNovo();
void DefineBlocoSenhaNovo(bool novo);
uint16_t LerSenhaCB(uintptr_t janela, const QString& mensagem, const QString& titulo);
uint16_t LerSenha(uintptr_t janela, const QString& mensagem, const QString& titulo);
uint16_t FormataDadosPinpadCB(int modo);
uint16_t ConfiguraPinPad(int porta);
uint16_t ObtemDadosEmvCB();
bool VerificaObtemDadosCartao(QObject* status);
bool VerificaProcessamentoCartao(QObject* status, const AdviceOffLine& advice);
bool TrataMensagensCartaoCHIP(int dpchip, QObject* status, const AdviceOffLine& advice);
uint16_t ExibeMsgPinpad(const QString& texto);
bool VerificaTrataTrnReferida(QObject* status, const TTabelaTrn& descritor);
uint16_t ObtemConfirmacao(const QString& texto, int modo);
uint16_t RemoveCartao();

struct ResultadoBins {
    QString redeDestino;
    QString empresaOriginal;
    QString codigoEmpresa;
};
// Looks the card up among the company entries (36 bytes each) and reads it; false with 1009/1027 set.
bool FazConsultaBins(int modo, const std::string& empresas, int qtdeEmpresas, ResultadoBins& saida,
                     QObject* status);

// Folder of the host program: where its INI files live.
QString DiretorioHost();

} // namespace host
