#include "services/Trnmodelotransferencialumo.h"

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
    btConfirma = CriaBotao(QStringLiteral("btConfirma"), Texto(msg::InfoConfirma), QRect(131, 318, 170, 32));
    btRetorna = CriaBotao(QStringLiteral("btRetorna"), Texto(msg::InfoRetorna), QRect(321, 318, 170, 32));
    setTabOrder(btConfirma, btRetorna);
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
    LigaClique(btRetorna, [this] { btRetornaClick(); });
    DefineDica(btConfirma, Texto(msg::MsgTecleEnterParaConfirmar));
    DefineDica(btRetorna, Texto(msg::MsgTecleEnterParaRetornar));
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
