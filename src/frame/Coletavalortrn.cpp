#include "frame/Coletavalortrn.h"

#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "frame/Partes.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace Lumomain;

namespace {

using msg::Texto;

constexpr char FUNCAO_SAQUE[] = "10";
constexpr char FUNCAO_DEPOSITO[] = "14";
constexpr char FUNCAO_TRANSFERENCIA[] = "16";

// Result codes of the PIN pad's confirmation.
constexpr uint16_t PINPAD_OK = 0;
constexpr uint16_t PINPAD_CANCELADO = 9;

} // namespace

namespace Coletavalortrn {

void AplicaMascara(QLineEdit* edit, const char* mascara) {
    const QString nova = QLatin1String(mascara);
    if (edit->inputMask() == nova) return;
    edit->clear();
    edit->setInputMask(nova);
}

int ExecutaColetaImpl(TFrmMod* (*cria)(QWidget* pai), const QString& nomeForm) {
    std::unique_ptr<TFrmMod> form(cria(JanelaProprietaria()));
    if (!form) {
        ReportaFalha(Formata(msg::ErroCriaFormulario, {nomeForm}));
        return TFrmMod::mrNone;
    }
    const int resultado = form->Executa();
    form.reset();
    ProcessaMensagens();
    return resultado;
}

} // namespace Coletavalortrn

// ---------------------------------------------------------------------------------------------------------
// The shared frame

TFrmColeta_Mod::TFrmColeta_Mod(QWidget* pai, const QString& nome, const Partes::Grade& grade)
    : TFrmMod(pai, nome), captura(*this, grade), pnCaptura(captura.Painel()) {
    TClique = CriaClique([this] {
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled()) btConfirmaClick();
    });
}

void TFrmColeta_Mod::Observa(QWidget* controle) {
    controle->installEventFilter(this);
}

void TFrmColeta_Mod::CriaBotoes(std::initializer_list<QWidget*> campos) {
    const auto b = Partes::CriaConfirmaRetorna(
        *this, nullptr, QPoint(126, 318), Texto(msg::InfoRetorna), [this] { btConfirmaClick(); },
        [this] { btRetornaClick(); }, campos);
    btConfirma = b.confirma;
    btRetorna = b.retorna;
    // Shown with the form, once its fields are set: no button takes a key before that.
    btConfirma->hide();
    btRetorna->hide();
}

bool TFrmColeta_Mod::FormCreate() {
    // Every form of the hierarchy has made its rows by now.
    captura.Monta();
    return TFrmMod::FormCreate();
}

void TFrmColeta_Mod::FormShow() {
    bControlaKeyPreview = true;
    bConfirmouSozinho = false;
    IniciaCamposForm();
    btConfirma->show();
    btRetorna->show();
    TFrmMod::FormShow();
}

void TFrmColeta_Mod::FormActivate() {
    TFrmMod::FormActivate();
    // The window's focus widget: the focus itself arrives only after the activation.
    if (!bConfirmouSozinho && focusWidget() == btConfirma && btConfirma->isEnabled()) {
        bConfirmouSozinho = true;
        TClique->start();
    }
}

void TFrmColeta_Mod::HabilitaCaptura(bool habilita) {
    pnCaptura->setEnabled(habilita);
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
}

void TFrmColeta_Mod::btConfirmaClick() {
    HabilitaCaptura(false);
    if (ValidaCamposForm() && GravaCamposHostlink() && ConcluiConfirmacao()) {
        setModalResult(mrOk);
        return;
    }
    HabilitaCaptura(true);
    // Disabling the controls took the focus away; a failed validation has already put it back.
    QWidget* foco = focusWidget();
    if (!foco || !foco->isEnabled() || !foco->isVisible()) FocaPrimeiroControle();
}

void TFrmColeta_Mod::btRetornaClick() {
    Volta();
}

// ---------------------------------------------------------------------------------------------------------
// TFrmColetaValor

TFrmColetaValor::TFrmColetaValor(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(), Partes::GradeValor(QRect(111, 150, 400, 80))) {
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    DefineDica(edValor, Texto(msg::MsgValorTotal));
    captura.Linha(0, lbValor, edValor, 270);

    CriaBotoes({edValor});
}

void TFrmColetaValor::IniciaCamposForm() {
    lbValor->setText(Texto(msg::InfoValorTransacao));
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));

    const QString valor = host::Dollar(host::RemoveFormato(host::LeCampo(1003)));
    edValor->setText(valor);
    // An amount the host already sent is the operation's own: the operator only confirms it.
    const QString digitos = host::RemoveFormato(valor);
    edValor->setEnabled(digitos.isEmpty() || digitos == QLatin1String("000"));

    const QString funcao = host::LeCampo(10298);
    if (funcao == QLatin1String(FUNCAO_SAQUE))
        DefineTitulo(Texto(msg::TituloSaqueCartaoPrePago));
    else if (funcao == QLatin1String(FUNCAO_DEPOSITO))
        DefineTitulo(Texto(msg::TituloDepositoCartaoPrePago));
    else if (funcao == QLatin1String(FUNCAO_TRANSFERENCIA))
        DefineTitulo(Texto(msg::TituloTransferenciaCartaoPrePago));
}

bool TFrmColetaValor::ValidaCamposForm() {
    // A pending operation that the host continues brings its own amount.
    if (edValor->isHidden() || !host::LeCampo(20036).isEmpty()) return true;
    const QString valor = edValor->text().trimmed();
    if (valor.isEmpty()) {
        ExibeMsgErroRepeteCampo(Texto(msg::MsgValorTotal), edValor, pnCaptura);
        return false;
    }
    if (EdicaoValor::Centavos(valor) <= 0) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroValorInvalido), edValor, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmColetaValor::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    if (edValor->isHidden()) return true;
    return host::GravaCampoString(1003, 0, host::RemoveFormato(edValor->text())) == 0;
}

bool TFrmColetaValor::ConcluiConfirmacao() {
    // Only a withdrawal pays money out: the customer confirms that amount on the PIN pad. A refusal still
    // closes the dialog; the caller reads 10154 and the host gets the result file now.
    if (host::LeCampo(10298) == QLatin1String(FUNCAO_SAQUE) && !VerificaSolicitaConfirmacaoPinpad()) {
        host::GravaCampoString(10154, 0, QStringLiteral("255"));
        host::GravaArquivo();
        return true;
    }
    host::GravaCampoString(10154, 0, QStringLiteral("0"));
    return true;
}

bool TFrmColetaValor::VerificaSolicitaConfirmacaoPinpad() {
    DefineMensagem(Texto(msg::MsgSolicitaConfVal));
    lbMensagem->repaint();
    // The first display line holds 16 characters; the amount follows on the second.
    const QString linha1 = Texto(msg::MsgConfirmaValorPinpad).leftJustified(16, QLatin1Char(' '), true);
    const QString texto = linha1 + QStringLiteral("R$") + host::Dollar(host::LeCampo(1003));
    const uint16_t resultado = host::ObtemConfirmacao(texto, 0);
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    lbMensagem->repaint();
    if (resultado == PINPAD_OK) return true;
    // The customer refused: nothing to tell the operator, the refusal itself is the answer.
    if (resultado == PINPAD_CANCELADO) return false;
    MostraMensagem(Icone::Erro, Formata(msg::MsgConectePin, {QString::number(resultado)}), this);
    return false;
}

namespace Lumomain {

bool ColetaValorCartaoPrePago() {
    host::GravaAudit(QStringLiteral("Entrou: ColetaValorCartaoPrePago."));
    const int resultado = Coletavalortrn::ExecutaColeta<TFrmColetaValor>(QStringLiteral("FrmColetaValor"));
    bool ok = resultado != TFrmMod::mrNone && resultado != TFrmMod::mrCancel;
    // A withdrawal the customer refused on the PIN pad closes the dialog too: 10154 tells.
    if (ok && host::LeCampo(10298) == QLatin1String(FUNCAO_SAQUE))
        ok = host::LeCampoInteiro(10154, 0, 255) == 0;
    host::GravaAudit(ok ? QStringLiteral("Saiu: ColetaValorCartaoPrePago.")
                        : QStringLiteral("Saiu Erro: ColetaValorCartaoPrePago."));
    return ok;
}

} // namespace Lumomain
