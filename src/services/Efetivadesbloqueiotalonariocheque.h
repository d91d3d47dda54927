// Cheque-book release, second step: the blocked ranges the query found, one chosen ("2" next, "8" previous),
// the account beside them, and the release with the customer's PIN.
#pragma once

#include "frame/Trnmodeloemprestimo.h"

class QLabel;
class QPlainTextEdit;
namespace Partes {
class ListaTeclado;
}

namespace Efetivadesbloqueiotalonariocheque {

// The ranges of the query record, "000123  à  000456" each.
QStringList Faixas();
// The memo's lines: the title centred in 38 columns and the labelled account data.
QStringList Informacoes();

} // namespace Efetivadesbloqueiotalonariocheque

class TFrmDesbloqueioTal_Crt : public TFrmTrnEmpr_Mod {
    Q_OBJECT
public:
    explicit TFrmDesbloqueioTal_Crt(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

    QLabel* lbDesbloqueioCheque = nullptr;
    Partes::ListaTeclado* cbDesbloqueioCheque = nullptr;
    QPlainTextEdit* MemoEfetDesbloq = nullptr;

protected:
    QList<QWidget*> Campos() const override;
    bool ConcluiConfirmacao() override;
};

extern TFrmDesbloqueioTal_Crt* FrmDesbloqueioTal_Crt;
