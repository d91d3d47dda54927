#include "payment/Capturavalortotalmodelo.h"

#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "payment/Estadocontas.h"
#include "resources/Mensagens.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Lumomain;

TFrmCapturaValorTotal_Mod* FrmCapturaValorTotal_Mod = nullptr;

namespace {

using msg::Texto;

} // namespace

TFrmCapturaValorTotal_Mod::TFrmCapturaValorTotal_Mod(QWidget* pai)
    : TFrmMod(pai, QString()), captura(*this, Partes::GradeValor(QRect(111, 150, 400, 80))),
      pnCaptura(captura.Painel()) {
    edVlrTotal = EdicaoValor::CriaCampoValor(pnCaptura, lbVlrTotal);
    edVlrTotal->setObjectName(QStringLiteral("edVlrTotal"));
    lbVlrTotal->setObjectName(QStringLiteral("lbVlrTotal"));
    DefineDica(edVlrTotal, Texto(msg::MsgValorTotal));
    captura.Linha(0, lbVlrTotal, edVlrTotal, 270);

    const auto b = Partes::CriaConfirmaRetorna(
        *this, nullptr, QPoint(126, 318), QStringLiteral("&9 - Cancela"), [this] { btConfirmaClick(); },
        [this] { btRetornaClick(); }, {edVlrTotal});
    btConfirma = b.confirma;
    btRetorna = b.retorna;
}

bool TFrmCapturaValorTotal_Mod::FormCreate() {
    captura.Monta();
    return TFrmMod::FormCreate();
}

void TFrmCapturaValorTotal_Mod::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloCapturaValorTotal));
    lbVlrTotal->setText(Texto(msg::InfoValorPagamento));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(QStringLiteral("&9 - Cancela"));
    // The amount the server authorised, shown for the operator to accept or replace.
    edVlrTotal->setText(host::Dollar(host::RemoveFormato(Contas::ServACP.texto(4, 12))));
    edVlrTotal->setEnabled(false);
    bNovoValor = false;
}

void TFrmCapturaValorTotal_Mod::FormShow() {
    IniciaCamposForm();
    TFrmMod::FormShow();
}

void TFrmCapturaValorTotal_Mod::btConfirmaClick() {
    if (!bNovoValor) {
        if (PerguntaSimNao(Texto(msg::MsgDesejaInformarNovoValor), {}, this)) {
            bNovoValor = true;
            edVlrTotal->setEnabled(true);
            edVlrTotal->clear();
            edVlrTotal->setFocus(Qt::OtherFocusReason);
            return;
        }
    } else if (edVlrTotal->text().trimmed().isEmpty()) {
        MostraMensagem(Icone::Aviso, Texto(msg::MsgValorTotal), this);
        edVlrTotal->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (edDestino) edDestino->setText(edVlrTotal->text());
    Volta();
}

void TFrmCapturaValorTotal_Mod::btRetornaClick() {
    Encerra(QStringLiteral("FF"), Texto(msg::ErroFinalizadoOper));
}

void TFrmCapturaValorTotal_Mod::closeEvent(QCloseEvent* e) {
    // Cancel is this dialog's "confirmed": a window closed without an answer is the operator giving up.
    if (ModalResult() == mrNone) Protegido([this] { btRetornaClick(); });
    TFrmMod::closeEvent(e);
}
