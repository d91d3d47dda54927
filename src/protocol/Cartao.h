// Card and PIN steps, below every screen: kind (tipo) selects the parameter record whose network applies; the
// status object (a screen's message line, or none) receives the PIN pad's progress texts. False means the
// chain ends: the reason is already in the host fields.
#pragma once

#include <QString>

class QObject;

namespace Lumomain {

QString VerificaCodigoRedeCB(int tipo);
int VerificaPortaPinpad(bool portaCB);
bool VerificaPinpadCBNaoBradescoHabilitado(int tipo);
bool LeAnalisaCartaoCB(int tipo, QObject* mensagem);
bool LeAnalisaCartaoCBGenerico(int tipo, QObject* mensagem);
bool LeSenhaCB(bool abrePinpad, const QString& titulo, int tipo, QObject* mensagem,
               const QString& textoPinpad);
bool VerificaRealizaConsultaBinsHabilitaLibEmv(int& flags, QObject* mensagem, int tipo);
bool VerificaRealizaConsultaBinsBradescoCBEmv(QObject* mensagem, int tipo);

// Results of the BIN query, for the payment dialogs.
extern QString RedeDestinoTEF;
extern QString EmpresaOriginal;
extern QString CodigoEmpresaTEF;

// Lets pending window events run (the status line repaints during long steps).
void ProcessaMensagens();

} // namespace Lumomain
