// The account forms of group 3 that withdrawals, account queries and loans stand on: the account-type list
// with the confirmation that authorises the transaction (TFrmColetaTipoConta), the same after a card read
// with the PIN (TFrmTrnCrt_Grp3) and with a value (TFrmTrnCrt_Grp3_Valor), and the typed bank account
// (TFrmTrnDadosCta_Grp3).
#pragma once

#include "frame/Coletavalortrn.h"

#include <QList>
#include <QMessageBox>
#include <QStringList>

#include <initializer_list>

class QComboBox;
class QLabel;
class QLineEdit;

class TFrmColetaTipoConta : public TFrmColeta_Mod {
    Q_OBJECT
public:
    TFrmColetaTipoConta(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    // The code ("01" to "05") of the selected type; empty when none is selected or the text is unknown.
    QString CodigoTipoSelecionado() const;

    QLabel* lbTipoConta = nullptr;
    QComboBox* cbTipoConta = nullptr;

protected:
    bool FormCreate() override;
    void FormShow() override;
    // Enter and Tab follow the capture order of OrdemCaptura.
    bool focusNextPrevChild(bool proximo) override;
    // Card, PIN, chip data, security token, authorisation, chip messages; the result file is written and
    // the form closes whatever the outcome.
    bool ConcluiConfirmacao() override;

    // The type list with these account-type texts (the function's record says which it accepts), nothing
    // selected.
    void PreencheTipos(const QStringList& tipos);
    // The capture order of the form's fields, called by each constructor that adds fields; the two buttons,
    // made once the form is complete, follow them.
    void OrdemCaptura(std::initializer_list<QWidget*> campos);
    // A failed check: the top-most message box (none when mensagem is null), the panel back on and the
    // focus to the field with its text selected (or to the first control when the field cannot take it).
    // Always false, for the validation to return.
    bool RepeteCampo(const char* mensagem, QWidget* controle, QMessageBox::Icon icone = QMessageBox::NoIcon);
    // An edit of the capture panel that takes digits only (Backspace and Enter too), with its prompt.
    QLineEdit* CriaCampoNumerico(const QString& nome, int tamanho, const char* dica);

private:
    bool ConfirmaTransacao();
    bool TrataToken();
    // The fields in capture order, then the two buttons.
    QList<QWidget*> Ordem() const;
    bool PodeReceberFoco(const QWidget* w) const;
    void FocaPrimeiroCampo();

    QList<QWidget*> ordem_;
};

// The card forms: the card was read by the menu; the PIN is read at the confirmation.
class TFrmTrnCrt_Grp3 : public TFrmColetaTipoConta {
    Q_OBJECT
public:
    using TFrmColetaTipoConta::TFrmColetaTipoConta;

    bool VerificaCapturaSenha() override;
};

class TFrmTrnCrt_Grp3_Valor : public TFrmTrnCrt_Grp3 {
    Q_OBJECT
public:
    TFrmTrnCrt_Grp3_Valor(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    // The card's security code, in the forms that ask for it (CriaCampoCSeg); checked and sent only while
    // shown.
    QLabel* LbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;

protected:
    // The security-code label and edit on the row after the type list, after it in capture order.
    void CriaCampoCSeg();
    // Shows or hides the security-code pair.
    void MostraCSeg(bool mostra);
    void hideEvent(QHideEvent* e) override;
};

// The customer's bank account typed (or pre-filled by the host in 1029 to 1033).
class TFrmTrnDadosCta_Grp3 : public TFrmColetaTipoConta {
    Q_OBJECT
public:
    TFrmTrnDadosCta_Grp3(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    // The 23-character key of the account on screen.
    QString ChaveConta() const;

    QLabel* lbBanco = nullptr;
    QLineEdit* EdBanco = nullptr;
    QLabel* lbAgencia = nullptr;
    QLineEdit* EdAgencia = nullptr;
    QLabel* lbC1 = nullptr;
    QLineEdit* EdC1 = nullptr;
    QLabel* lbConta = nullptr;
    QLineEdit* EdConta = nullptr;
    QLineEdit* EdDigito = nullptr;

protected:
    // The type list on row linha of the panel and the account fields on the rows below it.
    void PosicionaConta(int linha);
};

namespace Coletatipoconta {

// Value pre-fill shared by the value forms: field 1003's digits shown as money; whether the edit stays
// editable is the form's rule.
QString ValorDoHost();

} // namespace Coletatipoconta
