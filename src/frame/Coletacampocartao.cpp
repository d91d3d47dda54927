#include "frame/Coletacampocartao.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTimer>

#include <string.h>

namespace Coletacampocartao {

bool RecusaTeclaNumerica(const QKeyEvent* e) {
    char tecla = 0;
    switch (e->key()) {
    case Qt::Key_Backspace:
        tecla = 8;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        tecla = 13;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default: {
        const QString texto = e->text();
        // Keys that type nothing (arrows, Home, End) only move the cursor; Shift+Insert types nothing either
        // but pastes.
        if (texto.isEmpty()) return e->matches(QKeySequence::Paste);
        if (texto.size() != 1 || texto.at(0).unicode() > 0xFF) return true;
        tecla = static_cast<char>(texto.at(0).unicode());
    }
    }
    tecla = host::ValKeyBoard(tecla);
    return host::PermiteNumerico_BS_Enter(tecla) == 0;
}

uint16_t GravaCampoSigiloso(int campo, const QString& texto) {
    QByteArray bytes = texto.toLatin1();
    const uint16_t status = host::GravaCampoBytes(
        campo, 0, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    explicit_bzero(bytes.data(), static_cast<size_t>(bytes.size()));
    return status;
}

void ApagaCopia(QString& texto) {
    // fill() works in place on a copy of our own; on one still shared it detaches first, and the sharer (an
    // edit) is wiped by its own dialog.
    texto.fill(QLatin1Char('*'));
    texto.clear();
}

} // namespace Coletacampocartao

using namespace Coletacampocartao;

TFrmColetaCampoCartao::TFrmColetaCampoCartao(QWidget* pai) : TFrmMod(pai, QString()) {
    const Partes::Grade grade{
        .caixa = QRect(111, 150, 400, 130), .topo = 22, .altura = 28, .larguraRotulo = 70, .xCampo = 95};
    captura_ = std::make_unique<Partes::Captura>(*this, grade);
    pnCartao = captura_->Painel();
    pnCartao->setObjectName(QStringLiteral("pnCartao"));
    lbCartao = captura_->Rotulo(QStringLiteral("lbCartao"), QStringLiteral("Cartão:"));
    edCartao = captura_->Campo(QStringLiteral("edCartao"), 19, Partes::Entrada::Digitos,
                               QString::fromUtf8(msg::MsgNumeroCartaoDigitado));
    // The validator also stops a paste or a drop of anything but digits.
    edCartao->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edCartao));
    captura_->Linha(0, lbCartao, edCartao, 285);
    captura_->Monta();
    const auto b = Partes::CriaConfirmaRetorna(
        *this, pnCartao, QPoint(15, 80), msg::Texto(msg::InfoRetorna), [this] { btConfirmaClick(); },
        [this] { btRetornaClick(); }, {edCartao});
    btConfirma = b.confirma;
    btRetorna = b.retorna;

    TClique = CriaClique([this] {
        if (ModalResult() == mrNone && btConfirma->isEnabled()) ClicaProprio(btConfirma);
    });

    DefineMensagem(QString::fromUtf8(msg::MsgNumeroCartaoDigitado));
}

TFrmColetaCampoCartao::~TFrmColetaCampoCartao() {
    // A dialog destroyed while shown never gets its hide event here.
    host::memLimpaEdit(edCartao);
}

void TFrmColetaCampoCartao::hideEvent(QHideEvent* e) {
    // Every way out (confirm, return, closed by the window manager) hides the dialog; a minimised host
    // window (a spontaneous hide) keeps what was typed.
    if (!e->spontaneous()) host::memLimpaEdit(edCartao);
    TFrmMod::hideEvent(e);
}

void TFrmColetaCampoCartao::FormActivate() {
    TFrmMod::FormActivate();
    // The window's focus widget: the focus itself arrives only after the activation.
    if (focusWidget() == btConfirma && btConfirma->isEnabled()) TClique->start();
}

void TFrmColetaCampoCartao::HabilitaCaptura(bool habilita) {
    pnCartao->setEnabled(habilita);
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
}

void TFrmColetaCampoCartao::btConfirmaClick() {
    HabilitaCaptura(false);
    if (edCartao->isHidden()) {
        // The card came from elsewhere (the PIN pad already left it in 10104): nothing typed to keep.
        setModalResult(mrOk);
        return;
    }
    QString numero = edCartao->text().trimmed();
    const bool valido = !numero.isEmpty() && numero.size() >= 14 && numero.size() <= 19;
    const bool gravou = valido && GravaCampoSigiloso(10104, numero) == 0;
    ApagaCopia(numero);
    if (gravou) {
        setModalResult(mrOk);
        return;
    }
    if (!valido)
        Lumomain::MostraMensagem(Lumomain::Icone::Aviso, QString::fromUtf8(msg::MSG_CARTAO_INVALIDO), this);
    HabilitaCaptura(true);
    host::memLimpaEdit(edCartao);
    edCartao->setFocus(Qt::OtherFocusReason);
}

void TFrmColetaCampoCartao::btRetornaClick() {
    Volta();
}
