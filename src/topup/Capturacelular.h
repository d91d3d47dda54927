// Base of the top-up capture screens: the summary of what the customer asked for (network, branch, phone,
// tariff) above the capture panel, the phone number's writes that every request after the branch query
// carries, and the confirmations of the phone, the value and the tariff on the PIN pad.
#pragma once

#include "frame/Coletavalortrn.h"
#include "frame/Lumomain.h"

#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace Capturacelular {

// "(DDD)number" of the summaries: both read as integers, an 8-digit number split by a hyphen after its
// fourth digit; empty when either is zero.
QString TelefoneResumo(const QString& ddd, const QString& numero);
// The summary's phone line, or empty when there is no phone yet.
QString LinhaTelefone();
// The DDD and the number as the requests after the branch query carry them: 3 and 11 digits.
QString DDDPedido();
QString NumeroPedido();

} // namespace Capturacelular

class TFrmCapCel_Mod : public TFrmColeta_Mod {
    Q_OBJECT
public:
    // What a PIN-pad confirmation ended in: confirmed, not confirmed (the operator may try again), or the
    // chain is over (a PIN-pad error reported with 255).
    enum class Confirmacao { Confirmada, NaoConfirmada, Encerrada };

    TFrmCapCel_Mod(QWidget* pai, const QString& nome, const Partes::Grade& grade);

    // The capture forms' common writes: DDD (3), number (11) and both together in 10104.
    bool GravaCamposHostlink() override;

    Confirmacao ConfirmaTelefonePinpad(const QString& valor);
    Confirmacao ConfirmaPagamentoValorTarifa(const QString& tarifa);
    // A tariff above zero is shown with the notice that the customer pays it and confirmed on the PIN pad;
    // false when the chain ended (refused: "Finalizado pelo Operador" with 255 and the result file).
    bool VerificaTrataTarifaRecarga(const QString& tarifa);

    QPlainTextEdit* MemoResumoCartao = nullptr;

protected:
    // The summary rebuilt: title, branch, phone and the plain tariff.
    void MontaResumo();
    void AcrescentaResumo(const QStringList& linhas);
    // Where the summary sits (a derived form that uses it as an information panel makes it larger).
    void PosicionaResumo(const QRect& caixa);
    // Opens the next screen of the chain with this one as its caller; true when the chain ended (modal
    // result 1). A screen that cannot be created is told in a plain box, by its class name without the "T".
    template <class T> bool AbreProximo(T*& form) {
        if (!CriaExecutaForm(this, form)) FalhaCriacao(NomeDoForm<T>());
        return ModalResult() == mrOk;
    }
    // Back to the screen after a chain that did not end: panel and buttons on, the focus on the first
    // control.
    void Retoma();

private:
    void FalhaCriacao(const char* nome);
    Confirmacao ObtemConfirmacao(const char* mensagem, const QString& visor);
};
