// What the balance and statement forms share: the account types their parameter record accepts, the
// customer's identification in the request (the card's track, or the typed account key with the PIN pad
// prepared for it), and the statement's own fields (period and statement type).
#pragma once

#include <QDate>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>

class QComboBox;
class QEvent;
namespace Partes {
class Captura;
}
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace Consultaconta {

// The account-type texts, in list order, whose flag in flags (the record's positions 25 to 29) is "1".
QStringList TiposAceitos(const QString& flags);

// 10290 := the card data the menu's read left in 10109, through the wiping write; false when there are none
// or the write fails.
bool GravaIdentificacaoCartao();
// The PIN pad prepared for the typed account ("0000", agency, account, digit) and 10290 := the account key
// of 10102/1; false when a write fails.
bool GravaIdentificacaoConta(const QString& agencia, const QString& conta, const QString& digito);

// The statement types offered by bits (1 "Período", 2 "Últimos Lançamentos", 4 "Extratos de 5 dias"), in
// that order, and the code ("1" to "3") of one of their texts (empty for any other text).
QStringList TiposExtrato(int bits);
QString CodigoTipoExtrato(const QString& texto);

// Whether a date edit's text passes its rule ('1' mandatory, '2' optional): a mandatory date, and an
// optional one whose digits are not all zeros, must be a valid DD/MM/YYYY not later than hoje.
bool DataAceita(const QString& texto, QChar regra, const QDate& hoje);

// The statement's period and type on a form's capture panel.
struct CamposExtrato {
    QLabel* lbDataInicial = nullptr;
    QLineEdit* edDataInicial = nullptr;
    QLabel* lbDataFinal = nullptr;
    QLineEdit* edDataFinal = nullptr;
    QLabel* lbTipoExtrato = nullptr;
    QComboBox* cbTipoExtrato = nullptr;

    // The six controls on the capture panel, in rows primeira to primeira + 2.
    CamposExtrato(Partes::Captura& captura, int primeira);
    // Labels; the type list from the statement-types record; the dates shown, empty, when the dates record
    // asks for both and "Período" is offered; the list hidden when it offers nothing.
    void Inicia();

    // The first check that fails, in the form's order: the start date, the end date, then the type.
    struct Falha {
        const char* mensagem = nullptr;
        QWidget* controle = nullptr;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
    };
    // Nothing when every shown field passes. painel: the capture panel, whose enabling the checks ignore.
    std::optional<Falha> Valida(const QWidget* painel, const QDate& hoje) const;
    // After a failed check on a date: its whole text selected from the first position, so that what is typed
    // replaces it (a masked edit takes no keys at its end).
    void SelecionaData(QWidget* controle);
    // For the form's event filter, watching the date edits: makes that selection again when the focus
    // returns. Never consumes the event.
    bool TrataFoco(QObject* objeto, const QEvent* e);
    // 10163 (the type, cleared when the list is not in use), 1283 and 1284 (the dates' digits, cleared when
    // empty: an earlier request's dates never go with this one); false when a write fails.
    bool Grava(const QWidget* painel) const;

private:
    QLineEdit* selecionar_ = nullptr;
};

} // namespace Consultaconta
