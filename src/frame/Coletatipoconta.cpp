#include "frame/Coletatipoconta.h"

#include "frame/Coletacampocartao.h"
#include "frame/Contasaque.h"
#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Lumomain;
using host::Grava;
using msg::Texto;

namespace {

// The width of the value and the lists, the widest controls of the panel.
constexpr int kLargura = 250;

// The capture panel holds up to eight rows: the receipt form's value, receipt, type and five account fields.
const QRect kPainel(61, 52, 500, 258);

// Transaction kind of the card forms' PIN and token capture.
constexpr int TIPO_CAPTURA_GRUPO3 = 4;

const QString kAuditToken = QStringLiteral("FrmColetaTipoConta.btConfirmaClick(Sender -> Tratamento Token");

} // namespace

namespace Coletatipoconta {

QString ValorDoHost() {
    const QString digitos = host::RemoveFormato(host::LeCampo(1003)).trimmed();
    return digitos.isEmpty() ? QString() : host::Dollar(digitos);
}

} // namespace Coletatipoconta

// ---------------------------------------------------------------------------------------------------------
// TFrmColetaTipoConta

TFrmColetaTipoConta::TFrmColetaTipoConta(QWidget* pai, const QString& nome)
    : TFrmColeta_Mod(pai, nome, {.caixa = kPainel}) {
    lbTipoConta = captura.Rotulo(QStringLiteral("lbTipoConta"));
    cbTipoConta = captura.Lista(QStringLiteral("cbTipoConta"), Texto(msg::MsgTecladoReduzido));
    captura.Linha(0, lbTipoConta, cbTipoConta, kLargura);
    OrdemCaptura({cbTipoConta});
}

bool TFrmColetaTipoConta::FormCreate() {
    // Every field exists now, the derived forms' too: the buttons follow them in the focus chain.
    CriaBotoes({});
    return TFrmColeta_Mod::FormCreate();
}

QLineEdit* TFrmColetaTipoConta::CriaCampoNumerico(const QString& nome, int tamanho, const char* dica) {
    return captura.Campo(nome, tamanho, Partes::Entrada::Digitos, dica ? Texto(dica) : QString());
}

void TFrmColetaTipoConta::OrdemCaptura(std::initializer_list<QWidget*> campos) {
    ordem_ = QList<QWidget*>(campos);
}

QList<QWidget*> TFrmColetaTipoConta::Ordem() const {
    QList<QWidget*> ordem = ordem_;
    ordem << btConfirma << btRetorna;
    return ordem;
}

bool TFrmColetaTipoConta::PodeReceberFoco(const QWidget* w) const {
    return w->isVisibleTo(this) && w->isEnabledTo(this) && (w->focusPolicy() & Qt::TabFocus);
}

void TFrmColetaTipoConta::FocaPrimeiroCampo() {
    for (QWidget* w : Ordem()) {
        if (PodeReceberFoco(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool TFrmColetaTipoConta::focusNextPrevChild(bool proximo) {
    // The capture order crosses the forms of the hierarchy, so it is kept here rather than in Qt's chain,
    // which follows the order in which the base and the derived forms made their fields.
    const QList<QWidget*> ordem = Ordem();
    const auto n = ordem.size();
    const auto atual = ordem.indexOf(focusWidget());
    if (atual < 0) return TFrmColeta_Mod::focusNextPrevChild(proximo);
    for (qsizetype passo = 1; passo < n; ++passo) {
        QWidget* w = ordem.at((atual + (proximo ? passo : n - passo)) % n);
        if (PodeReceberFoco(w)) {
            w->setFocus(proximo ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

void TFrmColetaTipoConta::FormShow() {
    TFrmColeta_Mod::FormShow();
    // A form whose every field was preset opens on the confirm button, which then presses itself.
    FocaPrimeiroCampo();
}

void TFrmColetaTipoConta::IniciaCamposForm() {
    lbTipoConta->setText(Texto(msg::InfoTipoConta));
    cbTipoConta->clear();
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
}

void TFrmColetaTipoConta::PreencheTipos(const QStringList& tipos) {
    cbTipoConta->addItems(tipos);
    cbTipoConta->setCurrentIndex(-1);
}

QString TFrmColetaTipoConta::CodigoTipoSelecionado() const {
    if (cbTipoConta->currentIndex() < 0) return {};
    return Contasaque::CodigoTipoConta(cbTipoConta->currentText());
}

bool TFrmColetaTipoConta::RepeteCampo(const char* mensagem, QWidget* controle, QMessageBox::Icon icone) {
    if (mensagem) {
        QMessageBox caixa(icone, TituloAplicacao(), Texto(mensagem), QMessageBox::Ok, this);
        caixa.setWindowFlag(Qt::WindowStaysOnTopHint);
        caixa.exec();
    }
    pnCaptura->setEnabled(true);
    if (controle && controle->isVisibleTo(this) && controle->isEnabled()) {
        controle->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(controle)) edit->selectAll();
    } else {
        FocaPrimeiroCampo();
    }
    return false;
}

bool TFrmColetaTipoConta::ValidaCamposForm() {
    if (cbTipoConta->isVisibleTo(this) && cbTipoConta->isEnabledTo(pnCaptura) &&
        cbTipoConta->currentIndex() < 0)
        return RepeteCampo(msg::ErroTipoContaInvalida, cbTipoConta, QMessageBox::Critical);
    return true;
}

bool TFrmColetaTipoConta::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    if (!Grava(10103, GrupoPagto)) return false;
    // A hidden list sends no type: the occurrence is emptied, the others stay the derived forms'.
    return Grava(10102, cbTipoConta->isVisibleTo(this) ? CodigoTipoSelecionado() : QString(), 0);
}

bool TFrmColetaTipoConta::ConcluiConfirmacao() {
    bControlaKeyPreview = false;
    const bool ok = ConfirmaTransacao();
    bControlaKeyPreview = true;
    return ok;
}

bool TFrmColetaTipoConta::TrataToken() {
    // Only the card withdrawals of group 3 ask for the token, and only when the bank handles tokens.
    const QString operacao = host::LeCampo(10158);
    if (GrupoPagto != QLatin1String("3") || !bHabilitaTratamentoToken ||
        (operacao != QLatin1String("16") && operacao != QLatin1String("18")))
        return true;
    host::GravaAudit(QStringLiteral("Entrou: ") + kAuditToken);
    if (!TrataDispositivoSeguranca(false, lbTitulo->text(), TIPO_CAPTURA_GRUPO3, lbMensagem,
                                   Texto(msg::MsgSoliciteSenhaToken), this)) {
        host::GravaAudit(
            QStringLiteral("Erro: FrmColetaTipoConta.btConfirmaClick(Sender -> -> Tratamento Token"));
        // The token capture has written the result file; nothing is authorised.
        setModalResult(mrOk);
        return false;
    }
    host::GravaAudit(QStringLiteral("Saiu: ") + kAuditToken);
    return true;
}

bool TFrmColetaTipoConta::ConfirmaTransacao() {
    if (!VerificaProcessaCartao() || !VerificaCapturaSenha() || !VerificaObtemDadosEmv()) return false;
    if (!TrataToken()) return false;
    if (!AutorizaTransacaoCartao()) return false;
    // The host reads the outcome from its fields, approved or not.
    host::GravaArquivo();
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// TFrmTrnCrt_Grp3

bool TFrmTrnCrt_Grp3::VerificaCapturaSenha() {
    if (LeSenhaCB(false, lbTitulo->text(), TIPO_CAPTURA_GRUPO3, lbMensagem, QString())) return true;
    Encerra();
    return false;
}

// ---------------------------------------------------------------------------------------------------------
// TFrmTrnCrt_Grp3_Valor

TFrmTrnCrt_Grp3_Valor::TFrmTrnCrt_Grp3_Valor(QWidget* pai, const QString& nome) : TFrmTrnCrt_Grp3(pai, nome) {
    edValor = EdicaoValor::CriaCampoValor(pnCaptura, lbValor);
    captura.Linha(0, lbValor, edValor, kLargura);
    captura.Linha(1, lbTipoConta, cbTipoConta, kLargura);
    DefineDica(edValor, Texto(msg::MsgValorTotal));
    OrdemCaptura({edValor, cbTipoConta});
}

void TFrmTrnCrt_Grp3_Valor::CriaCampoCSeg() {
    LbCSeg = captura.Rotulo(QStringLiteral("LbCSeg"), QStringLiteral("C. Seg:"));
    EdCSeg = CriaCampoNumerico(QStringLiteral("EdCSeg"), 5, msg::MsgCodigoSeguranca);
    // The transcript and any screen capture show it masked.
    EdCSeg->setProperty("cbSensivel", true);
    captura.Linha(2, LbCSeg, EdCSeg, 80);
    OrdemCaptura({edValor, cbTipoConta, EdCSeg});
}

void TFrmTrnCrt_Grp3_Valor::MostraCSeg(bool mostra) {
    if (!EdCSeg) return;
    LbCSeg->setVisible(mostra);
    EdCSeg->setVisible(mostra);
}

void TFrmTrnCrt_Grp3_Valor::hideEvent(QHideEvent* e) {
    if (EdCSeg && !e->spontaneous()) host::memLimpaEdit(EdCSeg);
    TFrmTrnCrt_Grp3::hideEvent(e);
}

void TFrmTrnCrt_Grp3_Valor::IniciaCamposForm() {
    TFrmTrnCrt_Grp3::IniciaCamposForm();
    PreencheTipos(Contasaque::TiposContaAceitos());
    lbValor->setText(Texto(msg::InfoValorTransacao));
    const QString valor = Coletatipoconta::ValorDoHost();
    edValor->setText(valor);
    // A value the host supplied is the operation's own.
    edValor->setEnabled(valor.isEmpty());
}

bool TFrmTrnCrt_Grp3_Valor::ValidaCamposForm() {
    if (EdicaoValor::Centavos(edValor->text()) <= 0) return RepeteCampo(msg::ErroValorInvalido, edValor);
    return TFrmTrnCrt_Grp3::ValidaCamposForm();
}

bool TFrmTrnCrt_Grp3_Valor::GravaCamposHostlink() {
    if (!TFrmTrnCrt_Grp3::GravaCamposHostlink()) return false;
    if (!Grava(1003, host::RemoveFormato(edValor->text()))) return false;
    return Contasaque::GravaDadosCartao();
}

// ---------------------------------------------------------------------------------------------------------
// TFrmTrnDadosCta_Grp3

TFrmTrnDadosCta_Grp3::TFrmTrnDadosCta_Grp3(QWidget* pai, const QString& nome)
    : TFrmColetaTipoConta(pai, nome) {
    const auto campo = [this](QLabel*& rotulo, const char* nomeRotulo, const char* nomeCampo, int tamanho,
                              const char* dica) {
        rotulo = captura.Rotulo(QLatin1String(nomeRotulo));
        return CriaCampoNumerico(QLatin1String(nomeCampo), tamanho, dica);
    };
    EdBanco = campo(lbBanco, "lbBanco", "EdBanco", 3, msg::MsgBanco);
    EdAgencia = campo(lbAgencia, "lbAgencia", "EdAgencia", 4, msg::MsgAgencia);
    EdC1 = campo(lbC1, "lbC1", "EdC1", 1, msg::MsgDigitoC1);
    EdConta = campo(lbConta, "lbConta", "EdConta", 13, msg::MsgContaCorrente);
    EdDigito = CriaCampoNumerico(QStringLiteral("EdDigito"), 2, msg::MsgDigitoConta);
    PosicionaConta(0);
    OrdemCaptura({cbTipoConta, EdBanco, EdAgencia, EdC1, EdConta, EdDigito});
}

void TFrmTrnDadosCta_Grp3::PosicionaConta(int linha) {
    captura.Linha(linha, lbTipoConta, cbTipoConta, kLargura);
    captura.Linha(linha + 1, lbBanco, EdBanco, 60);
    captura.Linha(linha + 2, lbAgencia, EdAgencia, 70);
    captura.Linha(linha + 3, lbC1, EdC1, 30);
    // The account's digit follows the account on its row.
    captura.Linha(linha + 4, lbConta, {{EdConta, 170}, {EdDigito, 40}});
}

void TFrmTrnDadosCta_Grp3::IniciaCamposForm() {
    TFrmColetaTipoConta::IniciaCamposForm();
    lbBanco->setText(Texto(msg::InfoBanco));
    lbAgencia->setText(Texto(msg::InfoAgencia));
    lbC1->setText(Texto(msg::InfoC1));
    lbConta->setText(Texto(msg::InfoConta));

    Contasaque::PreencheContaDoHost({EdBanco, EdAgencia, EdC1, EdConta, EdDigito});
}

bool TFrmTrnDadosCta_Grp3::ValidaCamposForm() {
    if (!TFrmColetaTipoConta::ValidaCamposForm()) return false;
    if (const auto falha = Contasaque::ValidaConta({EdBanco, EdAgencia, EdC1, EdConta, EdDigito}, pnCaptura))
        return RepeteCampo(falha->mensagem, falha->campo, QMessageBox::Warning);
    return true;
}

QString TFrmTrnDadosCta_Grp3::ChaveConta() const {
    return Contasaque::ChaveConta(EdBanco->text(), EdAgencia->text(), EdC1->text(), EdConta->text(),
                                  EdDigito->text());
}

bool TFrmTrnDadosCta_Grp3::GravaCamposHostlink() {
    if (!TFrmColetaTipoConta::GravaCamposHostlink()) return false;
    const QString chave = ChaveConta();
    return Grava(10102, chave, 1) && Grava(10155, chave);
}
