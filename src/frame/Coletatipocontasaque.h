// Card withdrawal in one screen: the value, the account type (current or savings), the card's security code
// when the network asks for it, then the PIN and the authorisation. The withdrawal that pays bills and the
// query of a prepaid transfer's destination stand on it.
#pragma once

#include "frame/Coletavalortrn.h"

class QComboBox;
class QHideEvent;
class QLabel;
class QLineEdit;

class TFrmColetaTipoContaSaque : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmColetaTipoContaSaque(QWidget* pai,
                                      const QString& nome = QStringLiteral("FrmColetaTipoContaSaque"));
    // The value, the account type and the security code, one under the other.
    static Partes::Grade Grade();

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    // Value, card, account type and security code; the request group (10103) is each derived form's own.
    bool GravaCamposHostlink() override;
    // The customer's PIN on the PIN pad; a failure ends the operation (result file, modal result 1) and
    // clears bStatusCapturaSenha.
    bool VerificaCapturaSenha() override;

    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* lbTipoConta = nullptr;
    QComboBox* cbTipoConta = nullptr;
    QLabel* lbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;

protected:
    // PIN, chip data, authorisation, the chip's second step, the reply's text; then Concluida.
    bool ConcluiConfirmacao() override;
    // What runs between the field writes and the authorisation; false stops the confirmation.
    virtual bool PreparaAutorizacao();
    // The reply, before the chip's second step sees it.
    virtual void TrataResposta() {}
    // The last step once the bank has answered; its result closes the dialog (true) or keeps it open.
    virtual bool Concluida();

    void hideEvent(QHideEvent* e) override;

private:
    bool Autoriza();
};
