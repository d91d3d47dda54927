// Base of the transfer's summary screens: what is about to go, read-only, with Confirm and Return; Confirm
// checks, writes the request fields and sends the request, and the call is over whatever the bank answered.
#pragma once

#include "frame/Modelolumo.h"

#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class TFrmTrnTransf_Mod : public TFrmMod {
    Q_OBJECT
public:
    TFrmTrnTransf_Mod(QWidget* pai, const QString& nome);

    virtual void IniciaCamposForm() {}
    virtual bool ValidaCamposForm() { return true; }
    virtual bool VerificaCapturaSenha() { return true; }
    // Sends the request with the chip card's second step; the outcome is in 1009 and 1027.
    virtual bool VerificaAutorizaTransacao();

    void btConfirmaClick();
    void btRetornaClick();

    QPlainTextEdit* mmDados = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    // Whether the host lets the operator change what it supplied.
    bool PermiteAlterarDados = false;

protected:
    bool FormCreate() override;
    void FormShow() override;
    // The summary, one line each, the caret at its start.
    void MostraResumo(const QStringList& linhas);

private:
    void HabilitaBotoes(bool habilita);
};
