#include "government/Cancelamentopagamentodiversosgrupo4_debcb.h"

#include "frame/Contasaque.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"

#include <QPushButton>
#include <QTimer>

namespace Cancelamentopagamentodiversosgrupo4_debcb {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentopagamentodiversosgrupo4_debcb, TrnCancelamentoDebitoCB,
             Descritor(242, 1,
                       {A, K(""), F(1003), F(10154), F(10154, 1), K("1"), F(10104), F(10146), F(10163), P3,
                        T3}));

} // namespace Cancelamentopagamentodiversosgrupo4_debcb

TFrmCancPagtoDiv_DebCB* FrmCancPagtoDiv_DebCB = nullptr;

TFrmCancPagtoDiv_DebCB::TFrmCancPagtoDiv_DebCB(QWidget* pai)
    : TFrmCancPagtoDiv_Trn(pai, QString(), Cancelamentopagamentodiversosgrupo4_debcb::TrnCancelamentoDebitoCB,
                           "50") {
    disconnect(btConfirma, &QAbstractButton::clicked, this, nullptr);
    LigaClique(btConfirma, [this] { Confirmacao(); });
    RedefineClique(TClique, [this] {
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled()) Confirmacao();
    });
}

void TFrmCancPagtoDiv_DebCB::IniciaCamposForm() {
    TFrmCancPagtoDiv_Trn::IniciaCamposForm();
    // The debit is undone only with the PIN of the card that paid it.
    CapturaSenha = true;
}

bool TFrmCancPagtoDiv_DebCB::GravaCamposHostlink() {
    return TFrmCancPagtoDiv_Trn::GravaCamposHostlink() && Contasaque::GravaDadosCartao();
}

void TFrmCancPagtoDiv_DebCB::Confirmacao() {
    Confirma(
        [this] {
            return ValidaCamposForm() && GravaCamposHostlink() && VerificaCapturaSenha() &&
                   VerificaObtemDadosEmv();
        },
        [this] {
            if (!AutorizaTransacaoCartao()) return;
            Encerra();
            host::LimpaCampo(10216);
        });
}
