#include "paguefacil/Pagtogrupo6paguefacil.h"

#include "frame/Contasaque.h"
#include "frame/EdicaoValor.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"
#include "resources/Mensagens.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using host::Grava;
using msg::Texto;

namespace {

// PIN entries of Pague Fácil take the network of its record (h29).
constexpr int TIPO_CAPTURA_PAGUE_FACIL = 10;

QString Dinheiro(long long centavos) {
    return host::Dollar(QString::number(centavos));
}

} // namespace

namespace PagueFacil {

bool ValorAceito(long long centavos, long long minimo, long long maximo) {
    return centavos > 0 && (minimo <= 0 || centavos >= minimo) && (maximo <= 0 || centavos <= maximo);
}

} // namespace PagueFacil

// ---------------------------------------------------------------------------------------------------------
// TFrmPgtGrupo6_TrnValor

TFrmPgtGrupo6_TrnValor::TFrmPgtGrupo6_TrnValor(QWidget* pai, const QString& nome) : TFrmTrn_Mod(pai, nome) {
    captura.Redefine({.caixa = QRect(41, 52, 540, 240), .topo = 6, .passo = 29, .altura = 24});
    captura.Linha(1, lbValor, edValor, 150);
    lbValorMinimo = captura.Rotulo(QStringLiteral("lbValorMinimo"));
    lbMinimo = captura.Rotulo(QStringLiteral("lbMinimo"));
    captura.Linha(2, lbValorMinimo, lbMinimo, 150);
    lbValorMaximo = captura.Rotulo(QStringLiteral("lbValorMaximo"));
    lbMaximo = captura.Rotulo(QStringLiteral("lbMaximo"));
    captura.Linha(3, lbValorMaximo, lbMaximo, 150);
}

void TFrmPgtGrupo6_TrnValor::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    // The amount is the catalogue's, whatever an earlier function left in 1003.
    edValor->clear();
    edValor->setEnabled(true);
    lbValorMinimo->setText(Texto(msg::TituloValorMinimo));
    lbMinimo->setText(Dinheiro(PagueFacil::ValorMinimo()));
    lbValorMaximo->setText(Texto(msg::TituloValorMaximo));
    lbMaximo->setText(Dinheiro(PagueFacil::ValorMaximo()));
}

bool TFrmPgtGrupo6_TrnValor::RepeteCampo(const char* mensagem, QWidget* controle) {
    ExibeMsgErroRepeteCampo(Texto(mensagem), controle, pnCaptura);
    return false;
}

bool TFrmPgtGrupo6_TrnValor::ValidaCamposForm() {
    if (edValor->text().trimmed().isEmpty()) return RepeteCampo(msg::MsgValorTotal, edValor);
    if (!PagueFacil::ValorAceito(EdicaoValor::Centavos(edValor->text()), PagueFacil::ValorMinimo(),
                                 PagueFacil::ValorMaximo()))
        return RepeteCampo(msg::ErroValorInvalido, edValor);
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// TFrmPgtGrupo6_PagueFacil

TFrmPgtGrupo6_PagueFacil::TFrmPgtGrupo6_PagueFacil(QWidget* pai, const QString& nome)
    : TFrmPgtGrupo6_TrnValor(pai, nome) {
    lbValorOperacao = captura.Rotulo(QStringLiteral("lbValorOperacao"), QStringLiteral("Valores:"));
    cbValorOperacao = captura.Lista(QStringLiteral("cbValorOperacao"), Texto(msg::MsgTecladoReduzido));
    captura.Linha(0, lbValorOperacao, cbValorOperacao, 150);
    // A value chosen is the amount; the operator may still type another inside the range.
    connect(cbValorOperacao, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) edValor->setText(cbValorOperacao->itemText(i));
    });
    lbValorTarifa = captura.Rotulo(QStringLiteral("lbValorTarifa"), QStringLiteral("Tarifa:"));
    edValorTarifa = captura.Campo(QStringLiteral("edValorTarifa"), 12, Partes::Entrada::Texto, {});
    captura.Linha(4, lbValorTarifa, edValorTarifa, 150);
    lbTipoConta = captura.Rotulo(QStringLiteral("lbTipoConta"));
    cbTipoConta = captura.Lista(QStringLiteral("cbTipoConta"), Texto(msg::MsgTecladoReduzido));
    captura.Linha(5, lbTipoConta, cbTipoConta, 250);
    LbCSeg = captura.Rotulo(QStringLiteral("LbCSeg"), QStringLiteral("C. Seg:"));
    EdCSeg =
        captura.Campo(QStringLiteral("EdCSeg"), 5, Partes::Entrada::Digitos, Texto(msg::MsgCodigoSeguranca));
    // The transcript and any screen capture show it masked.
    EdCSeg->setProperty("cbSensivel", true);
    captura.Linha(6, LbCSeg, EdCSeg, 80);
    setTabOrder(cbValorOperacao, edValor);
    setTabOrder(edValor, cbTipoConta);
    setTabOrder(cbTipoConta, EdCSeg);
    setTabOrder(EdCSeg, btConfirma);

    // The button and the self-confirming timer run the payment's confirmation.
    disconnect(btConfirma, &QAbstractButton::clicked, this, nullptr);
    LigaClique(btConfirma, [this] { Confirmacao(); });
    RedefineClique(TClique, [this] {
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled()) Confirmacao();
    });
}

void TFrmPgtGrupo6_PagueFacil::DefinePagamento(const TTabelaTrn& descritor, const char* titulo,
                                               const char* modalidade, bool debito) {
    descritor_ = &descritor;
    titulo_ = titulo;
    modalidade_ = modalidade;
    debito_ = debito;
}

void TFrmPgtGrupo6_PagueFacil::DisponibilizaValoresSelecao() {
    cbValorOperacao->clear();
    cbValorOperacao->addItems(PagueFacil::Itens(PagueFacil::Catalogo::Valores));
    cbValorOperacao->setCurrentIndex(cbValorOperacao->count() > 0 ? 0 : -1);
}

void TFrmPgtGrupo6_PagueFacil::IniciaCamposForm() {
    TFrmPgtGrupo6_TrnValor::IniciaCamposForm();
    Descritor = descritor_;
    DefineTitulo(QString::fromUtf8(titulo_));
    DisponibilizaValoresSelecao();
    lbValorOperacao->setVisible(cbValorOperacao->count() > 0);
    cbValorOperacao->setVisible(cbValorOperacao->count() > 0);
    edValorTarifa->setText(Dinheiro(PagueFacil::ValorTarifa()));
    edValorTarifa->setEnabled(false);

    // Only a debit draws on an account, with the card's PIN and security code.
    CapturaSenha = debito_;
    lbTipoConta->setText(Texto(msg::InfoTipoConta));
    cbTipoConta->clear();
    cbTipoConta->addItems({Texto(msg::InfoTipoContaContaPoupanca), Texto(msg::InfoTipoContaBeneficioINSS)});
    cbTipoConta->setCurrentIndex(-1);
    lbTipoConta->setVisible(debito_);
    cbTipoConta->setVisible(debito_);
    EdCSeg->clear();
    const bool cseg =
        debito_ && (Contasaque::RedeExigeCodigoSeguranca() || !Contasaque::VerificaSeCartaoLidoCHIP());
    LbCSeg->setVisible(cseg);
    EdCSeg->setVisible(cseg);
}

bool TFrmPgtGrupo6_PagueFacil::ValidaCamposForm() {
    if (!TFrmPgtGrupo6_TrnValor::ValidaCamposForm()) return false;
    if (cbTipoConta->isVisibleTo(this) && cbTipoConta->currentIndex() < 0)
        return RepeteCampo(msg::ErroTipoContaInvalida, cbTipoConta);
    // The stripe's security code as the withdrawals take it: "0" none, "1" illegible, else three digits.
    if (EdCSeg->isVisibleTo(this) && !Contasaque::CodigoSegurancaValido(EdCSeg->text()))
        return RepeteCampo(msg::MsgCodigoSeguranca, EdCSeg);
    return true;
}

bool TFrmPgtGrupo6_PagueFacil::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    // The fee's digits without the leading zeros of its money format ("0" for none).
    const QString tarifa = QString::number(EdicaoValor::Centavos(edValorTarifa->text()));
    if (!Grava(10103, QStringLiteral("10")) || !Grava(10107, QStringLiteral("1")) || !Grava(1256, tarifa) ||
        !Grava(10158, QLatin1String(modalidade_)) || !Contasaque::GravaCodigoSeguranca(EdCSeg))
        return false;
    if (!debito_) return true;
    if (!Grava(10102, Contasaque::CodigoTipoConta(cbTipoConta->currentText()), 0) ||
        !Grava(10134, QStringLiteral("1")))
        return false;
    // A card of another network was read by its own module and left nothing here.
    return host::LeCampo(10109).isEmpty() || Contasaque::GravaDadosCartao();
}

bool TFrmPgtGrupo6_PagueFacil::VerificaCapturaSenha() {
    if (!CapturaSenha) return true;
    if (Lumomain::LeSenhaCB(true, lbTitulo->text(), TIPO_CAPTURA_PAGUE_FACIL, lbMensagem, QString()))
        return true;
    Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
    return false;
}

void TFrmPgtGrupo6_PagueFacil::FormShow() {
    TFrmPgtGrupo6_TrnValor::FormShow();
    // The form opens on the values offered, or on the amount when the bank offered none.
    (cbValorOperacao->isVisibleTo(this) ? static_cast<QWidget*>(cbValorOperacao) : edValor)->setFocus();
}

void TFrmPgtGrupo6_PagueFacil::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) host::memLimpaEdit(EdCSeg);
    TFrmPgtGrupo6_TrnValor::hideEvent(e);
}

void TFrmPgtGrupo6_PagueFacil::Confirmacao() {
    Confirma(
        [this] {
            return ValidaCamposForm() && GravaCamposHostlink() && VerificaCapturaSenha() &&
                   VerificaObtemDadosEmv();
        },
        [this] { AutorizaPagamento(); });
}

void TFrmPgtGrupo6_PagueFacil::AutorizaPagamento() {
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    // The chip indicator, the authorisation, the chip's second step and the reply's text on the line.
    if (!AutorizaTransacaoCartao()) return;
    Encerra();
}
