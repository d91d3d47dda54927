// The module state that code without a window system reads and writes too (the reply records, the request
// data): the globals every unit shares, the catalogue texts' arguments, and a notice for the operator.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace Lumomain {

// Set by the entry points for the whole of a call.
extern bool TrnADM;
extern bool TrnCNC;
// Bill documents of a multi-document payment; reset at every menu start.
extern int IndiceAtual;
extern int QtdeDocsConsultadosOK;
// One flag per payment method, "1111" at every menu start.
extern std::array<char, 4> Forma_Pagto;
// Group of the next parameter load ("1", "3", "06", ...); kept after the call.
extern QString GrupoPagto;
// Build version of this library, known once the first form of the process has been created.
extern QString VERSAO_DO_MODULO;
// Caption of every message box: "Correspondente Bancário - v" + version, NUL-terminated Latin-1.
extern std::array<char, 129> TITULO_APLICACAO;
// Server-side version of the correspondent function, from the parameter load.
extern QString VERSAO_DO_VORTA_CB;
extern bool bPinpadCBAberto;
// The host's window, installed as owner of the module's windows for the duration of an entry point (the
// host's window handle; the PIN pad's dialogs take it too).
extern uintptr_t janelaAplicacao;
inline uintptr_t JanelaAplicacao() {
    return janelaAplicacao;
}
extern bool bPinpadCBNaoBradescoHabilitado;
// Receipt layout returned by another payment module.
extern int NumeroLinhaRecorteAqui;
extern int NumeroLinhasCupomTEF;
extern bool gb_CapturaValorTotalLUMO;
extern bool bStatusCapturaSenha;

// The catalogue's texts take their arguments as "%s" and "%d", in order.
QString Formata(const char* modelo, const QStringList& argumentos);

// A notice for the operator from code that draws no window (the checks of the reply records). The forms enter
// the function that shows it as a warning box; until they do, it goes to the audit trail only.
using MostraAviso = void (*)(const QString& texto, const QString& titulo);
void DefineMostraAviso(MostraAviso mostra);
void Avisa(const QString& texto, const QString& titulo = {});

} // namespace Lumomain
