// What the withdrawal forms share: the account types with their codes and the withdrawal record's flags,
// the security-code rule and the hand-over of the card data that the card read left.
#pragma once

#include <QString>
#include <QStringList>

namespace Contasaque {

// The account-type texts in list order.
QStringList TiposConta();
// The code of an account-type text ("01" to "05"); empty when the text is none of them.
QString CodigoTipoConta(const QString& texto);
// The types the withdrawal record accepts ("1" at positions 25 to 29), in list order.
QStringList TiposContaAceitos();
// True when the withdrawal record accepts that code's type.
bool TipoContaAceito(const QString& codigo);

// A security code passes when it is "0" (none), "1" (illegible) or has at least three characters.
bool CodigoSegurancaValido(const QString& codigo);
// The network of the general information is "805" and security tokens are not handled.
bool RedeExigeCodigoSeguranca();
// The card of the last read was read from its chip.
bool VerificaSeCartaoLidoCHIP();

// Copies the card data of the last read (10109) to the request's 10104 and wipes the local copy; false when
// there are none or the write fails.
bool GravaDadosCartao();

} // namespace Contasaque
