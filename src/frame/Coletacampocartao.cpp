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

TFrmColetaCampoCartao::TFrmColetaCampoCartao(QWidget* pai)
    : TFrmMod(pai, QStringLiteral("FrmColetaCampoCartao")) {
    pnCartao = new QFrame(this);
    pnCartao->setObjectName(QStringLiteral("pnCartao"));
    pnCartao->setFrameShape(QFrame::Box);
    pnCartao->setGeometry(111, 150, 400, 130);

    lbCartao = new QLabel(QStringLiteral("Cartão:"), pnCartao);
    lbCartao->setObjectName(QStringLiteral("lbCartao"));
    lbCartao->setGeometry(20, 22, 70, 28);

    edCartao = new QLineEdit(pnCartao);
    edCartao->setObjectName(QStringLiteral("edCartao"));
    edCartao->setGeometry(95, 22, 285, 28);
    edCartao->setMaxLength(19);
    // Typed keys go through the host's routine (eventFilter); this also stops a paste or a drop of anything
    // but digits.
    edCartao->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edCartao));
    edCartao->setContextMenuPolicy(Qt::NoContextMenu);

    btConfirma = CriaBotao(QStringLiteral("btConfirma"), QStringLiteral("&1 - Confirma"),
                           QRect(20, 80, 170, 32), pnCartao);
    btRetorna = CriaBotao(QStringLiteral("btRetorna"), QStringLiteral("&9 - Retorna"),
                          QRect(210, 80, 170, 32), pnCartao);
    setTabOrder(edCartao, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
    LigaClique(btRetorna, [this] { btRetornaClick(); });

    edCartao->installEventFilter(this);
    DefineDica(edCartao, QString::fromUtf8(msg::MsgNumeroCartaoDigitado));
    DefineDica(btConfirma, QString::fromUtf8(msg::MsgTecleEnterParaConfirmar));
    DefineDica(btRetorna, QString::fromUtf8(msg::MsgTecleEnterParaRetornar));

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

bool TFrmColetaCampoCartao::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::KeyPress && objeto == edCartao) {
        return RecusaTeclaNumerica(static_cast<QKeyEvent*>(e));
    }
    return TFrmMod::eventFilter(objeto, e);
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
