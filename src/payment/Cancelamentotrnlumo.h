// Base of the same-day cancellation of a bill payment: the document (entry type and bar code or typed line),
// its due date and the receipt number (NSU) of the payment, which the bank finds and reverses. Each
// settlement method derives it with its own title, request and function code.
#pragma once

#include "frame/Trnmodelolumo.h"

#include <vector>

class BlocosCodigoBarras;
class QLabel;
class QLineEdit;

// The rows every cancellation screen is made of, for the document-based and the network bases alike.
namespace Cancelamento {

// A row of the capture panel: its label and edit (digits only unless mascara is given; a one-digit edit is
// narrow), chained after the rows before it (campos) so that Enter visits the amount, the rows, then Confirm
// and Return.
QLineEdit* Linha(TFrmTrn_Mod& form, std::vector<QWidget*>& campos, int linha, QLabel*& rotulo,
                 const char* nomeRotulo, const char* texto, const char* nome, int tamanho, const char* dica,
                 const char* mascara);
void OrdemDeTab(TFrmTrn_Mod& form, const std::vector<QWidget*>& campos);
// Shows the message, clears the edit and gives it the focus again; false for the validation to return.
bool Repete(TFrmTrn_Mod& form, const char* mensagem, QLineEdit* edit);
// The digits of an edit's text (a masked date or time without its separators).
QString Digitos(const QLineEdit* edit);

} // namespace Cancelamento

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
    // The document typed in blocks, as the bill capture takes it.
    BlocosCodigoBarras* blocos = nullptr;
    QLabel* lbDtVencimento = nullptr;
    QLineEdit* EdDtVencimento = nullptr;
    QLabel* lbNsuVorta = nullptr;
    QLineEdit* EdNsuVorta = nullptr;

    // 0 clears the blocks, 1 shows the document edit, 2 the typed blocks.
    void LimpaBlocoCanc(int modo);
    bool ValidaCodigoBarrasDigitado();

    // A date edit's text as DDMMYYYY when it is a date of 8 digits (and not after today when ateHoje);
    // empty otherwise.
    static QString DataValida(const QLineEdit* edit, bool ateHoje);
    // The modality of a credit-card cancellation in 10102 occurrence 1: the store's instalments ("055", field
    // 10134 "1") or one payment ("054").
    static QString ModalidadeCredito();

protected:
    QLineEdit* Linha(int linha, QLabel*& rotulo, const char* nomeRotulo, const char* texto, const char* nome,
                     int tamanho, const char* dica, const char* mascara = nullptr) {
        return Cancelamento::Linha(*this, campos_, linha, rotulo, nomeRotulo, texto, nome, tamanho, dica,
                                   mascara);
    }
    // A control of a derived form's own (a list), in the order of the rows.
    void AcrescentaNaOrdem(QWidget* controle);
    bool Repete(const char* mensagem, QLineEdit* edit) { return Cancelamento::Repete(*this, mensagem, edit); }
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    std::vector<QWidget*> campos_;
    const char* titulo_;
    const TTabelaTrn* descritor_;
    const char* funcao_;
    bool focoProprio_ = false;
};
