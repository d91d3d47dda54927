// Module state and the frame's own operations: the globals every unit shares, the running of a dialog chain
// and the hand-over to another payment module of the host.
#pragma once

#include "frame/Modelolumo.h"
#include "protocol/Cartao.h"
#include "protocol/Estado.h"

#include <QString>

#include <array>
#include <cstdint>
#include <type_traits>

namespace Lumomain {

// Parent for a new top-level dialog: the host's window when it is one of this process's widgets.
QWidget* JanelaProprietaria();

// TITULO_APLICACAO as text.
QString TituloAplicacao();
void DefineTituloAplicacao(const QString& titulo);

// Runs another payment module's transaction; false (with 1009/1027 set) when it could not run or refused.
bool RealizaTransacaoModuloTEF(int funcao, int a, int b);
bool CarregaModulosLUMO(const QString& codigoModulo, int a, int b);

// Message boxes of the module: top-most, titled TITULO_APLICACAO.
enum class Icone { Informacao, Aviso, Erro, Pergunta, Nenhum };
void MostraMensagem(Icone icone, const QString& texto, QWidget* pai = nullptr, const QString& titulo = {});
bool PerguntaSimNao(const QString& texto, const QString& titulo = {}, QWidget* pai = nullptr);
// The same with a third answer: QMessageBox::Yes, No or Cancel (also Esc and the close button).
int PerguntaSimNaoCancela(const QString& texto, const QString& titulo = {}, QWidget* pai = nullptr);

// Card and PIN steps of a form (protocol/Cartao.h has those below every screen).
bool VerificaCapturaToken(bool abrePinpad, const QString& titulo, int tipo, QObject* mensagem,
                          const QString& textoPinpad, TFrmMod* form);
bool TrataDispositivoSeguranca(bool abrePinpad, const QString& titulo, int tipo, QObject* mensagem,
                               const QString& textoPinpad, TFrmMod* form);
void FechaPinpadFechaFormGravaArquivo(TFrmMod* form);
// Runs the security-code dialog; false only when it was cancelled.
bool ColetaValorCSEG();
// Runs the security-token query dialog; true when the token may be captured.
bool VerificaHabilitaConsultaDispositivoSeguranca();
// Value and CPF of a prepaid-card operation; false when the operator returned or the PIN pad refused.
bool ColetaValorCartaoPrePago();
bool ColetaCPFCartaoPrePago();
// How the prepaid-card holder is identified (card or mobile number): runs the identification menu; false when
// the operator returned or the step did not end with field 10154 at "0".
bool ColetaDadosCartaoCelularCartaoPrePago();
// The holder's data (h-record 40) for a withdrawal, and for a deposit or a transfer; false when the bank
// refused the query (its result is already in the host fields).
bool VerificaIdentificacaoClienteSaqueCartaoPrePago();
bool VerificaIdentificacaoClienteDepositoTransfCartaoPrePago();
// Shows the queried holder data for printing; false when the operator did not go on.
bool ImprimeConsultaCartaoPrePago();
// Destination of a prepaid-card transfer: runs its query dialog; false when the operator returned.
bool VerificaIdentificacaoClienteTransferenciaCartaoPrePago();

// Reports an unexpected failure to the host: 1009 "255", the text in 1027 and the result file.
void ReportaFalha(const QString& texto);

} // namespace Lumomain

// Creates the dialog into its form variable if it is empty, runs it modally, carries its modal result up the
// chain and destroys it. Without a caller (an entry point started it), Cancel makes the host receive the
// result file; with one, OK closes the caller too. False when the dialog could not be created.
bool CriaExecutaFormImpl(TFrmMod* (*cria)(QWidget* pai), TFrmMod* chamador, TFrmMod*& form);

// The name a form is reported under when it cannot be created: its class name without the leading "T".
template <class T> const char* NomeDoForm() {
    // A class without its own meta-object would be reported under its base's name.
    static_assert(std::is_same_v<decltype(&T::metaObject), const QMetaObject* (T::*)() const>,
                  "the form declares Q_OBJECT");
    return T::staticMetaObject.className() + 1;
}
// "Erro na criação do formulário:" with the form's name.
QString TextoFalhaCriacao(const char* nomeForm);
template <class T> QString TextoFalhaCriacao() {
    return TextoFalhaCriacao(NomeDoForm<T>());
}

template <class T> bool CriaExecutaForm(TFrmMod* chamador, T*& form) {
    TFrmMod* f = form;
    const bool ok =
        CriaExecutaFormImpl([](QWidget* pai) -> TFrmMod* { return TFrmMod::Cria<T>(pai); }, chamador, f);
    form = static_cast<T*>(f);
    return ok;
}
