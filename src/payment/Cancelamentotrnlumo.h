// Base of the same-day cancellation of a bill payment: the document (entry type and bar code or typed line),
// its due date and the receipt number (NSU) of the payment, which the bank finds and reverses. Each
// settlement method derives it with its own title, request and function code.
#pragma once

#include "frame/Trnmodelolumo.h"

#include <vector>

class QLabel;
class QLineEdit;

class TFrmCnc_Trn : public TFrmTrn_Mod {
    Q_OBJECT
public:
    TFrmCnc_Trn(QWidget* pai, const QString& nome, const char* titulo, const TTabelaTrn& descritor,
                const char* funcao);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbTpEntrada = nullptr;
    QLineEdit* edTpEntrada = nullptr;
    QLabel* lbDoc = nullptr;
    QLineEdit* EdDoc = nullptr;
    QLabel* lbDtVencimento = nullptr;
    QLineEdit* EdDtVencimento = nullptr;
    QLabel* lbNsuVorta = nullptr;
    QLineEdit* EdNsuVorta = nullptr;

    // A date edit's text as DDMMYYYY when it is a date of 8 digits (and not after today when ateHoje);
    // empty otherwise.
    static QString DataValida(const QLineEdit* edit, bool ateHoje);
    // The modality of a credit-card cancellation in 10102 occurrence 1: the store's instalments ("055", field
    // 10134 "1") or one payment ("054").
    static QString ModalidadeCredito();

protected:
    // A row of the capture panel: its label and edit (digits only unless mascara is given).
    QLineEdit* Linha(int linha, QLabel*& rotulo, const char* nomeRotulo, const char* texto, const char* nome,
                     int tamanho, const char* dica, const char* mascara = nullptr);
    // Shows the message, clears the edit and gives it the focus again; false for the validation to return.
    bool Repete(const char* mensagem, QLineEdit* edit);

private:
    std::vector<QWidget*> campos_;
    const char* titulo_;
    const TTabelaTrn* descritor_;
    const char* funcao_;
};
