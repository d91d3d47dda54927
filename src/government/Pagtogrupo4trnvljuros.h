// Base of the DARF and GPS payment forms: the total of the transaction form and the interest, the account
// type and security code of a debit payment, and the confirmation of each form of payment (cash, cheque,
// debit card).
#pragma once

#include "frame/Lumomain.h"
#include "frame/Trnmodelolumo.h"

#include <initializer_list>

class QHideEvent;
class QLabel;
class QLineEdit;

namespace Pagtogrupo4 {

// How the document is paid.
enum class Forma { Dinheiro, Cheque, Debito };
// The document kinds of field 10232.
enum Tipo { DarfPreto = 1, DarfSimples = 2, GPS = 3 };

// A masked date edit's digits (the blanks and separators dropped).
QString DigitosData(const QLineEdit* edit);
// Digits as DDMMYYYY make a real date.
bool DataValida(const QString& digitos);

} // namespace Pagtogrupo4

class TFrmPgtGrupo4_TrnVlJuros : public TFrmTrn_Mod {
    Q_OBJECT
public:
    TFrmPgtGrupo4_TrnVlJuros(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

    QLabel* lbValorJuros = nullptr;
    QLineEdit* edValorJuros = nullptr;
    QLabel* lbTipoConta = nullptr;
    Partes::ListaTeclado* cbTipoConta = nullptr;
    QLabel* LbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;

    // The document kind of field 10232, as text and as a number.
    QString sTipoDocumento;
    int iTipoDocumento = 0;

protected:
    // Each payment form names its form of payment, its request, its title and its modality (10158).
    void DefinePagamento(Pagtogrupo4::Forma forma, const TTabelaTrn& descritor, const char* titulo,
                         const char* modalidade);

    // A labelled edit of the panel: money (digits and one separator, shown as money) or plain.
    QLineEdit* CriaValor(const char* nome, QLabel*& rotulo, const char* dica);
    QLineEdit* CriaCampo(const char* nome, int tamanho, Partes::Entrada entrada, QLabel*& rotulo,
                         const QString& dica);
    // The fields in the order Enter walks them; Confirm and Return follow.
    void OrdemCaptura(std::initializer_list<QWidget*> campos);

    // A host amount pre-fills the edit, which stays editable only when the amount is zero.
    static void PreencheValor(QLineEdit* edit, int campo);
    // A host text pre-fills the edit and locks it.
    static void PreencheTexto(QLineEdit* edit, int campo);

    // A failed check: the box, the panel back on, the focus to the field. Always false.
    bool RepeteCampo(const char* mensagem, QWidget* controle,
                     Lumomain::Icone icone = Lumomain::Icone::Nenhum);
    // An amount that must be given and above zero.
    bool ValidaValorPositivo(QLineEdit* edit);
    // The amount's digits to the field; soPreenchido leaves an empty edit unwritten.
    static bool GravaValor(int campo, const QLineEdit* edit, bool soPreenchido);
    bool ValidaTipoConta();
    bool GravaTipoConta();

    void hideEvent(QHideEvent* e) override;

private:
    void Confirmacao();
    void AutorizaPagamento();
    void ConfirmaCheque();

    Pagtogrupo4::Forma forma_ = Pagtogrupo4::Forma::Dinheiro;
    const TTabelaTrn* descritor_ = nullptr;
    const char* titulo_ = "";
    QString modalidade_;
};
