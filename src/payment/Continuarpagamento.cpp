#include "payment/Continuarpagamento.h"

#include "frame/Fabricas.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Lumomain;

TFrmPgt_Con* FrmPgt_Con = nullptr;
CB_FABRICA(TFrmPgt_Con);

namespace {

using msg::Texto;

} // namespace

TFrmPgt_Con::TFrmPgt_Con(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    // The pending payment carries its own amount: nothing is typed here.
    lbValor->hide();
    edValor->hide();
    // The button runs this dialog's own flow, not the full payment flow of the base.
    disconnect(btConfirma, &QAbstractButton::clicked, this, nullptr);
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
}

void TFrmPgt_Con::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloContinuaPagamento));
    Descritor = &Continuarpagamento::TrnContinuarPagamento;
    GrupoPagto = QStringLiteral("1");
    host::LimpaCampo(10112);
}

void TFrmPgt_Con::FormShow() {
    TFrmTrn_Mod::FormShow();
    // After the base has placed the focus, whose hint would take the message line.
    DefineMensagem(Texto(msg::InfoMsgAlertaContinuaPagto));
}

void TFrmPgt_Con::FormActivate() {
    // The entry point starts the dialog itself: the base's self-confirming timer would send a second request.
    TFrmMod::FormActivate();
}

bool TFrmPgt_Con::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    if (host::GravaCampoString(10158, 0, QStringLiteral("31")) != 0) return false;
    return host::GravaCampoString(10102, 0, host::LeCampo(20036)) == 0;
}

void TFrmPgt_Con::btConfirmaClick() {
    if (bIniciado) return;
    bIniciado = true;
    bControlaKeyPreview = false;
    HabilitaControles(false);
    if (GravaCamposHostlink()) {
        VerificaAutorizaTransacao();
        iResultado = host::CodigoResultado();
    } else {
        host::GravaAudit(QStringLiteral("Saiu Erro: ContinuarPagamento."));
    }
    // The continuation runs once and the dialog closes: its controls stay off.
    bControlaKeyPreview = true;
    setModalResult(mrOk);
}

namespace Continuarpagamento {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Continuarpagamento, TrnContinuarPagamento, Descritor(242, 1, {B, F(10102)}));

} // namespace Continuarpagamento
