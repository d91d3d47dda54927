// C++ face of the host's components: std::string and QString in and out, Latin-1 conversion and status codes.
// The rest of the module reaches the host only through here.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QWidget;
class QComboBox;
class QLineEdit;

namespace host {

// Host text is 8-bit Latin-1; the module works in QString.
QString deLatin1(std::string_view bytes);
std::string paraLatin1(const QString& texto);

// Fields. Absent and empty read the same through LeCampo; LeCampoPresente tells them apart.
QString LeCampo(int campo, int ocorrencia = 0);
std::optional<QString> LeCampoPresente(int campo, int ocorrencia = 0);
std::string LeCampoBytes(int campo, int ocorrencia = 0, int maxLen = 0xFFFF);
int LeCampoInteiro(int campo, int ocorrencia, int padrao);
uint16_t GravaCampoString(int campo, int ocorrencia, const QString& texto);
uint16_t GravaCampoBytes(int campo, int ocorrencia, std::string_view bytes);
uint16_t LimpaCampo(int campo);

// Results for the host.
uint16_t GravaArquivo();
uint16_t EnviaArquivoErroPDV(int codigo, const QString& mensagem);
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
bool ValidaCodigoBarrasCompletoTitulo(const QString& digitos);
bool ValidaCodigoBarrasCompletoConvenio(const QString& digitos);

// Folder of the host program: where its INI files live.
QString DiretorioHost();

} // namespace host
