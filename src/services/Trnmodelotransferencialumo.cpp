#include "services/Trnmodelotransferencialumo.h"

#include "frame/Partes.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

using msg::Texto;

TFrmTrnTransf_Mod::TFrmTrnTransf_Mod(QWidget* pai, const QString& nome) : TFrmMod(pai, nome) {
    mmDados = new QPlainTextEdit(this);
    mmDados->setObjectName(QStringLiteral("mmDados"));
    mmDados->setGeometry(111, 56, 400, 240);
    mmDados->setReadOnly(true);
    QFont fonte(QStringLiteral("Monospace"));
    fonte.setStyleHint(QFont::TypeWriter);
    mmDados->setFont(fonte);
    const auto b = Partes::CriaConfirmaRetorna(
        *this, nullptr, QPoint(126, 318), Texto(msg::InfoRetorna), [this] { btConfirmaClick(); },
        [this] { btRetornaClick(); });
    btConfirma = b.confirma;
    btRetorna = b.retorna;
}

bool TFrmTrnTransf_Mod::FormCreate() {
    PermiteAlterarDados = host::PermiteAlterarDados();
    return TFrmMod::FormCreate();
}

void TFrmTrnTransf_Mod::FormShow() {
    TFrmMod::FormShow();
    IniciaCamposForm();
    btConfirma->setFocus(Qt::OtherFocusReason);
}

void TFrmTrnTransf_Mod::MostraResumo(const QStringList& linhas) {
    mmDados->setPlainText(linhas.join(QLatin1Char('\n')));
    mmDados->moveCursor(QTextCursor::Start);
    // Shown, not edited: the summary takes no focus.
    mmDados->setEnabled(false);
}

void TFrmTrnTransf_Mod::HabilitaBotoes(bool habilita) {
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
}

bool TFrmTrnTransf_Mod::VerificaAutorizaTransacao() {
    return AutorizaTransacaoCartao();
}

void TFrmTrnTransf_Mod::btConfirmaClick() {
    HabilitaBotoes(false);
    bControlaKeyPreview = false;
    const bool pronto =
        ValidaCamposForm() && GravaCamposHostlink() && VerificaCapturaSenha() && VerificaObtemDadosEmv();
    bControlaKeyPreview = true;
    if (pronto && VerificaAutorizaTransacao()) {
        // The host reads the outcome from its fields, approved or not.
        Encerra();
        return;
    }
    if (ModalResult() != mrNone) return;
    HabilitaBotoes(true);
    btConfirma->setFocus(Qt::OtherFocusReason);
}

void TFrmTrnTransf_Mod::btRetornaClick() {
    Volta();
}
