// Capture of bill documents: the bar code read by a scanner or the digit line typed in blocks, its check,
// the bar-code query and the loop over further documents.
#pragma once

#include "frame/Modelolumo.h"
#include "frame/Partes.h"

#include <QString>

class BlocosCodigoBarras;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Capturacodigobarras {

// Check of one typed block (its check digit last). A collection whose value identifier (third digit of block
// 1) is 8 or 9 computes every check digit by module 11; any other line, module 10.
bool ValidaBloco(const QString& bloco1, const QString& bloco);

// "12345678901" -> "123.456.789-01", "11222333000181" -> "11.222.333/0001-81"; other lengths unchanged.
QString FormataCpfCnpj(const QString& texto);

// Matches the payment forms allowed so far (Lumomain::Forma_Pagto) with those the payment-data reply enables
// (Contas::ServACP positions 16-19). At the first form both allow, Forma_Pagto takes the reply's four flags.
bool SetaFormaPagto();

} // namespace Capturacodigobarras

class TFrmCAP_Mod : public TFrmMod {
    Q_OBJECT
public:
    TFrmCAP_Mod(QWidget* pai, const QString& nome);

    bool GravaCamposHostlink() override;
    virtual bool ValidaCamposForm();
    // Sends the form's request; returns field 1009 as a number (255 when it is not one).
    virtual int VerificaAutorizaTransacao();
    virtual void IniciaCamposForm();
    virtual void TransacaoAutorizada() = 0;
    // True (and the slot marked) when the current document equals one already accepted.
    virtual bool Verifica_Documento_Repetidos();
    // True when as many documents were accepted as the server allows in one payment.
    virtual bool Excede_Qdte_Max_Permitida();
    // True when another document is to be captured (IndiceAtual then points at its slot).
    virtual bool Proximo_Documento();
    virtual void Captura_Proximo_Documento() = 0;

    // 0 clears the blocks, 1 shows the single document line, 2 shows the typed blocks.
    void LimpaBlocoCB(int modo);
    bool ValidaCodigoBarrasDigitado();
    // The registered boleto's parties for the operator to confirm; false when refused.
    bool TrataIdentificacao();
    static QString FormataCpfCnpj(const QString& texto) { return Capturacodigobarras::FormataCpfCnpj(texto); }
    static bool SetaFormaPagto() { return Capturacodigobarras::SetaFormaPagto(); }
    // Marks the current slot and every following host-supplied one as beyond the limit.
    void Ajusta_Documentos_excedentes();
    // The server's limit of documents in one payment.
    static int QtdeMaximaDocumentos();

    virtual void btConfirmaClick();
    virtual void btRetornaClick();

    // The capture panel: the kind of entry, then the document.
    Partes::Captura captura;
    QFrame* pnCaptura = nullptr;
    QLabel* LbTpEntrada = nullptr;
    QLineEdit* edTpEntrada = nullptr;
    QLabel* lbDoc = nullptr;
    QLineEdit* EdDoc = nullptr;
    QLineEdit* ed_bloco1 = nullptr;
    QLineEdit* ed_bloco2 = nullptr;
    QLineEdit* ed_bloco3 = nullptr;
    QLineEdit* ed_digito = nullptr;
    QLineEdit* ed_bloco4_14 = nullptr;
    QLineEdit* ed_bloco4_12 = nullptr;
    BlocosCodigoBarras* blocos = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;

    // 1 the bar-code query, 2 the bill query that runs the same confirm.
    int Tag = 0;
    bool PodeAlterarDados = false;

protected:
    // The capture panel's rows in the box given.
    static Partes::Grade GradeCodigo(const QRect& caixa);
    bool FormCreate() override;
    void FormShow() override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

    // A control that leaves the focus (not for a message box); proximo is where the focus went.
    virtual void SaidaDeControle(QWidget* controle, QWidget* proximo);
    // Enables or disables the capture panel and both buttons.
    void HabilitaControles(bool habilita);
    // The operator gave up with nothing accepted: 1027 "Finalizado pelo Operador", 1009 "FF", result file,
    // and the chain closes.
    void FinalizaPeloOperador();
    // Opens the payment-method menu for the documents accepted so far.
    void AbreFormasPagamento();
    // The status fields of a rejected document at the current slot.
    static void RejeitaDocumento(const QString& texto);
    // A control still able to take the focus gets it.
    void Foca(QWidget* controle);
    // The registered-boleto summary when it is still due for the document that arrived with one; false when
    // the operator refused it (the chain is closed then).
    bool ConfirmaResumoBoletoRegistrado();
    // The next slot of a host-supplied list: its capture, or the end of the list (the payment-method menu
    // when documents were accepted). With limite set, the slots beyond the document limit are refused first.
    void SegueListaDoHost(bool limite);
    // While set, focus changes are the form's own (a handler refocusing a field) and run no exit handler.
    bool focoProprio_ = false;

private:
    void TrataRecusa();
    void TrataAutorizada();
    void edTpEntradaExit(QWidget* proximo);
};
