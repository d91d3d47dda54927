#include "frame/Coletatipocontasaque.h"

#include "frame/Coletacampocartao.h"
#include "frame/Contasaque.h"
#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

using namespace Lumomain;

namespace {

using msg::Texto;

// Capture kind of the withdrawal PIN.
constexpr int TIPO_SENHA_SAQUE = 4;

QString MensagemTipoConta() {
    return QStringLiteral("Selecione o tipo de conta ") + Texto(msg::MsgTecladoReduzido);
}

} // namespace

Partes::Grade TFrmColetaTipoContaSaque::Grade() {
    return Partes::Grade{.caixa = QRect(111, 110, 400, 160),
                         .topo = 26,
                         .passo = 43,
                         .altura = 28,
                         .larguraRotulo = 120,
                         .xCampo = 150};
}

TFrmColetaTipoContaSaque::TFrmColetaTipoContaSaque(QWidget* pai, const QString& nome)
    : TFrmColeta_Mod(pai, nome, Grade()) {
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    DefineDica(edValor, Texto(msg::MsgValorTotal));
    lbTipoConta = captura.Rotulo(QStringLiteral("lbTipoConta"), Texto(msg::InfoTipoConta));
    cbTipoConta = captura.Lista(QStringLiteral("cbTipoConta"), MensagemTipoConta());
    lbCSeg = captura.Rotulo(QStringLiteral("lbCSeg"), QStringLiteral("Cód. Segurança:"));
    EdCSeg =
        captura.Campo(QStringLiteral("EdCSeg"), 5, Partes::Entrada::Digitos, Texto(msg::MsgCodigoSeguranca));
    EdCSeg->setEchoMode(QLineEdit::Password);
    captura.Linha(0, lbValor, edValor, 230);
    captura.Linha(1, lbTipoConta, cbTipoConta, 230);
    captura.Linha(2, lbCSeg, EdCSeg, 80);

    CriaBotoes({edValor, cbTipoConta, EdCSeg});
}

void TFrmColetaTipoContaSaque::IniciaCamposForm() {
    lbTipoConta->setText(Texto(msg::InfoTipoConta));
    lbValor->setText(Texto(msg::InfoValorTransacao));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));

    // Only the accounts a card draws cash from; the operator chooses, nothing is preselected.
    cbTipoConta->clear();
    cbTipoConta->addItem(Texto(msg::InfoTipoContaCorrente));
    cbTipoConta->addItem(Texto(msg::InfoTipoContaContaPoupanca));
    cbTipoConta->setCurrentIndex(-1);

    // A value the host supplied is the operation's own: it cannot be changed here.
    const QString valor = host::RemoveFormato(host::LeCampo(1003)).trimmed();
    edValor->setText(valor.isEmpty() ? QString() : host::Dollar(valor));
    edValor->setEnabled(valor.isEmpty());

    // The chip authenticates the card by itself; a stripe on the correspondent network needs the code.
    const bool cseg = Contasaque::RedeExigeCodigoSeguranca() && !Contasaque::VerificaSeCartaoLidoCHIP();
    host::memLimpaEdit(EdCSeg);
    lbCSeg->setVisible(cseg);
    EdCSeg->setVisible(cseg);
}

void TFrmColetaTipoContaSaque::hideEvent(QHideEvent* e) {
    host::memLimpaEdit(EdCSeg);
    TFrmColeta_Mod::hideEvent(e);
}

bool TFrmColetaTipoContaSaque::ValidaCamposForm() {
    // The capture panel is disabled while the confirmation runs: the list's own state is what counts.
    if (cbTipoConta->isVisible() && cbTipoConta->isEnabledTo(pnCaptura) && cbTipoConta->currentIndex() < 0) {
        MostraMensagem(Icone::Erro, Texto(msg::ErroTipoContaInvalida), this);
        cbTipoConta->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (EdicaoValor::Centavos(edValor->text()) <= 0) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroValorInvalido), edValor, pnCaptura, Icone::Nenhum);
        if (edValor->hasFocus()) edValor->selectAll();
        return false;
    }
    // A wrong security code is refused without a message: the prompt on the field already says what fits.
    if (EdCSeg->isVisible() && !Contasaque::CodigoSegurancaValido(EdCSeg->text())) {
        pnCaptura->setEnabled(true);
        EdCSeg->setFocus(Qt::OtherFocusReason);
        EdCSeg->selectAll();
        return false;
    }
    return true;
}

bool TFrmColetaTipoContaSaque::GravaCamposHostlink() {
    using host::Grava;
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    if (!Grava(1003, host::RemoveFormato(edValor->text()))) return false;
    // Without the card read there is nothing to draw on.
    if (!Contasaque::GravaDadosCartao()) return false;
    if (cbTipoConta->isVisible()) {
        // Anything but the current account is the savings one: the list holds no other.
        const QString codigo = Contasaque::CodigoTipoConta(cbTipoConta->currentText()) == QLatin1String("01")
                                   ? QStringLiteral("01")
                                   : QStringLiteral("02");
        if (!Grava(10102, codigo)) return false;
    } else if (host::LimpaCampo(10102) != 0) {
        return false;
    }
    return Contasaque::GravaCodigoSeguranca(EdCSeg);
}

bool TFrmColetaTipoContaSaque::VerificaCapturaSenha() {
    bStatusCapturaSenha = LeSenhaCB(false, lbTitulo->text(), TIPO_SENHA_SAQUE, lbMensagem, {});
    if (bStatusCapturaSenha) return true;
    Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
    return false;
}

bool TFrmColetaTipoContaSaque::PreparaAutorizacao() {
    return VerificaCapturaSenha() && VerificaObtemDadosEmv();
}

bool TFrmColetaTipoContaSaque::ConcluiConfirmacao() {
    // Enter does not move between the fields while the PIN pad and the bank are at work.
    bControlaKeyPreview = false;
    const bool ok = Autoriza();
    bControlaKeyPreview = true;
    return ok;
}

bool TFrmColetaTipoContaSaque::Autoriza() {
    if (!PreparaAutorizacao()) return false;
    if (!AutorizaTransacaoCartao([this] { TrataResposta(); })) return false;
    return Concluida();
}

bool TFrmColetaTipoContaSaque::Concluida() {
    // The withdrawal is over whatever the bank said: the request group goes back to the bills' own.
    return host::Grava(10103, QStringLiteral("1"));
}
