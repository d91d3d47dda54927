// What the withdrawal forms share: the account types with their codes and the withdrawal record's flags,
// the security-code rule and the hand-over of the card data that the card read left.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QLineEdit;
class QWidget;

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

// Copies the card data of the last read (10109) to the request's field (10104 unless another is named) and
// wipes the local copy; false when the write fails, or when there are none and they are required.
bool GravaDadosCartao(int campo = 10104, bool exigido = true);

// Sends the security code of a visible edit in 10149 through the wiping write and leaves only its length on
// screen ("*" per character); a hidden edit clears 10149. False when the write fails (the edit is emptied).
bool GravaCodigoSeguranca(QLineEdit* edit);

// The 23-character account key of a typed account: bank (3), agency (4) and account (13) left-padded with
// "0", the C1 as typed or one blank, the digit left-padded with "0" to 2.
QString ChaveConta(const QString& banco, const QString& agencia, const QString& c1, const QString& conta,
                   const QString& digito);

// The five edits of a typed bank account.
struct EditsConta {
    QLineEdit* banco;
    QLineEdit* agencia;
    QLineEdit* c1;
    QLineEdit* conta;
    QLineEdit* digito;
};
// Pre-fills them from the host, each locked when given: the bank from 10154/0 (the bank's own code) or 1029,
// the agency 1030, the C1 1031 (locked empty when 10154/1 does not ask for it), the account 1032 and its
// digit 1033. 10154 is used once and cleared.
void PreencheContaDoHost(const EditsConta& edits);
// The first of the account's checks that fails, in order: bank and agency not 0, the C1 when it is asked
// for, account not 0, the digit when enabled; nothing when all pass. painel: the capture panel, whose own
// enabling the checks ignore.
struct FalhaConta {
    const char* mensagem;
    QLineEdit* campo;
};
std::optional<FalhaConta> ValidaConta(const EditsConta& edits, const QWidget* painel);

} // namespace Contasaque
