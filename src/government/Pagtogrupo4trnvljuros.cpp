#include "government/Pagtogrupo4trnvljuros.h"

#include "frame/Contasaque.h"
#include "frame/EdicaoValor.h"
#include "government/Pagtoemchequegrupo4_trn.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QDate>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <memory>

using host::Grava;
using Lumomain::Icone;
using msg::Texto;
using Pagtogrupo4::Forma;

namespace {

// Kind of the debit payments' card read and PIN (the company's authorised forms of payment).
constexpr int TIPO_CAPTURA_GRUPO4 = 7;

} // namespace

namespace Pagtogrupo4 {

QString DigitosData(const QLineEdit* edit) {
    QString d = edit->text();
    d.removeIf([](QChar c) { return !c.isDigit(); });
    return d;
}

bool DataValida(const QString& digitos) {
    // Read field by field: the text parser would take a month of "13" as "1" and the rest as the year.
    if (digitos.size() < 8) return false;
    const int ano = digitos.mid(4, 4).toInt();
    return ano >= 1900 && QDate(ano, digitos.mid(2, 2).toInt(), digitos.mid(0, 2).toInt()).isValid();
}

} // namespace Pagtogrupo4

TFrmPgtGrupo4_TrnVlJuros::TFrmPgtGrupo4_TrnVlJuros(QWidget* pai, const QString& nome)
    : TFrmTrn_Mod(pai, nome) {
    // Up to twelve rows of document data between the title and the buttons.
    const Partes::Grade grade{.caixa = QRect(21, 48, 580, 250),
                              .topo = 4,
                              .passo = 20,
                              .altura = 19,
                              .xRotulo = 10,
                              .larguraRotulo = 200,
                              .xCampo = 215};
    captura.Redefine(grade);
    captura.Linha(0, lbValor, edValor, 150);
    edValorJuros = CriaValor("edValorJuros", lbValorJuros, nullptr);
    lbTipoConta = captura.Rotulo(QStringLiteral("lbTipoConta"));
    cbTipoConta = captura.Lista(QStringLiteral("cbTipoConta"), Texto(msg::MsgTecladoReduzido));
    EdCSeg = CriaCampo("EdCSeg", 5, Partes::Entrada::Digitos, LbCSeg, Texto(msg::MsgCodigoSeguranca));
    // The transcript and any screen capture show it masked.
    EdCSeg->setProperty("cbSensivel", true);

    // The button and the self-confirming timer run the confirmation of the form of payment.
    disconnect(btConfirma, &QAbstractButton::clicked, this, nullptr);
    LigaClique(btConfirma, [this] { Confirmacao(); });
    RedefineClique(TClique, [this] {
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled()) Confirmacao();
    });
}

QLineEdit* TFrmPgtGrupo4_TrnVlJuros::CriaValor(const char* nome, QLabel*& rotulo, const char* dica) {
    QLineEdit* ed = CriaCampo(nome, 12, Partes::Entrada::Texto, rotulo, dica ? Texto(dica) : QString());
    EdicaoValor::Configura(ed);
    return ed;
}

QLineEdit* TFrmPgtGrupo4_TrnVlJuros::CriaCampo(const char* nome, int tamanho, Partes::Entrada entrada,
                                               QLabel*& rotulo, const QString& dica) {
    rotulo = captura.Rotulo(QLatin1String("lb") + QLatin1String(nome).mid(2));
    return captura.Campo(QLatin1String(nome), tamanho, entrada, dica);
}

void TFrmPgtGrupo4_TrnVlJuros::OrdemCaptura(std::initializer_list<QWidget*> campos) {
    QWidget* anterior = nullptr;
    for (QWidget* w : campos) {
        if (anterior) setTabOrder(anterior, w);
        anterior = w;
    }
    setTabOrder(anterior, btConfirma);
    setTabOrder(btConfirma, btRetorna);
}

void TFrmPgtGrupo4_TrnVlJuros::DefinePagamento(Forma forma, const TTabelaTrn& descritor, const char* titulo,
                                               const char* modalidade) {
    forma_ = forma;
    descritor_ = &descritor;
    titulo_ = titulo;
    modalidade_ = QLatin1String(modalidade);
}

void TFrmPgtGrupo4_TrnVlJuros::PreencheValor(QLineEdit* edit, int campo) {
    const QString digitos = host::RemoveFormato(host::LeCampo(campo)).trimmed();
    edit->setText(digitos.isEmpty() ? QString() : host::Dollar(digitos));
    // A zero amount is one the host left for the operator.
    edit->setEnabled(EdicaoValor::Centavos(edit->text()) == 0);
}

void TFrmPgtGrupo4_TrnVlJuros::PreencheTexto(QLineEdit* edit, int campo) {
    const QString texto = host::LeCampo(campo).trimmed();
    edit->setText(texto);
    edit->setEnabled(texto.isEmpty());
}

void TFrmPgtGrupo4_TrnVlJuros::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    Descritor = descritor_;
    DefineTitulo(QString::fromUtf8(titulo_));
    sTipoDocumento = host::LeCampo(10232).trimmed();
    iTipoDocumento = host::LeCampoInteiro(10232, 0, 0);
    lbValorJuros->setText(Texto(msg::InfoValorJuros));
    PreencheValor(edValorJuros, 1096);

    // Only a debit draws on an account, with the card's PIN and security code.
    const bool debito = forma_ == Forma::Debito;
    CapturaSenha = debito;
    lbTipoConta->setText(Texto(msg::InfoTipoConta));
    cbTipoConta->clear();
    cbTipoConta->addItems({Texto(msg::InfoTipoContaCorrente), Texto(msg::InfoTipoContaContaPoupanca)});
    cbTipoConta->setCurrentIndex(-1);
    lbTipoConta->setVisible(debito);
    cbTipoConta->setVisible(debito);
    LbCSeg->setText(QStringLiteral("C. Seg:"));
    EdCSeg->clear();
    const bool cseg =
        debito && (Contasaque::RedeExigeCodigoSeguranca() || !Contasaque::VerificaSeCartaoLidoCHIP());
    LbCSeg->setVisible(cseg);
    EdCSeg->setVisible(cseg);
}

bool TFrmPgtGrupo4_TrnVlJuros::RepeteCampo(const char* mensagem, QWidget* controle, Icone icone) {
    ExibeMsgErroRepeteCampo(Texto(mensagem), controle, pnCaptura, icone);
    return false;
}

bool TFrmPgtGrupo4_TrnVlJuros::ValidaValorPositivo(QLineEdit* edit) {
    if (edit->text().trimmed().isEmpty()) return RepeteCampo(msg::MsgValorTotal, edit);
    if (EdicaoValor::Centavos(edit->text()) <= 0) return RepeteCampo(msg::ErroValorInvalido, edit);
    return true;
}

bool TFrmPgtGrupo4_TrnVlJuros::GravaValor(int campo, const QLineEdit* edit, bool soPreenchido) {
    const QString digitos = host::RemoveFormato(edit->text()).trimmed();
    if (soPreenchido && digitos.isEmpty()) return true;
    return Grava(campo, digitos);
}

bool TFrmPgtGrupo4_TrnVlJuros::ValidaTipoConta() {
    if (cbTipoConta->isVisibleTo(this) && cbTipoConta->isEnabledTo(pnCaptura) &&
        cbTipoConta->currentIndex() < 0)
        return RepeteCampo(msg::ErroTipoContaInvalida, cbTipoConta, Icone::Erro);
    return true;
}

bool TFrmPgtGrupo4_TrnVlJuros::GravaTipoConta() {
    if (!cbTipoConta->isVisibleTo(this)) return host::LimpaCampo(10163) == 0;
    return Grava(10163, Contasaque::CodigoTipoConta(cbTipoConta->currentText()));
}

bool TFrmPgtGrupo4_TrnVlJuros::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    // The stripe's security code as the withdrawals take it: "0" none, "1" illegible, else three digits.
    if (EdCSeg->isVisibleTo(this) && !Contasaque::CodigoSegurancaValido(EdCSeg->text())) {
        EdCSeg->setFocus();
        return false;
    }
    return true;
}

bool TFrmPgtGrupo4_TrnVlJuros::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink() || !Grava(10103, Lumomain::GrupoPagto) ||
        !GravaValor(1096, edValorJuros, true))
        return false;
    if (forma_ != Forma::Debito) return true;
    return Contasaque::GravaDadosCartao() && Contasaque::GravaCodigoSeguranca(EdCSeg);
}

bool TFrmPgtGrupo4_TrnVlJuros::VerificaCapturaSenha() {
    if (!CapturaSenha) return true;
    if (Lumomain::LeSenhaCB(true, lbTitulo->text(), TIPO_CAPTURA_GRUPO4, lbMensagem, QString())) return true;
    Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
    return false;
}

void TFrmPgtGrupo4_TrnVlJuros::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) host::memLimpaEdit(EdCSeg);
    TFrmTrn_Mod::hideEvent(e);
}

void TFrmPgtGrupo4_TrnVlJuros::Confirmacao() {
    Confirma(
        [this] {
            // The modality is the form of payment's, over whatever the document's writes set.
            return ValidaCamposForm() && GravaCamposHostlink() && Grava(10158, modalidade_) &&
                   VerificaCapturaSenha() && VerificaObtemDadosEmv();
        },
        [this] {
            if (forma_ == Forma::Cheque)
                ConfirmaCheque();
            else
                AutorizaPagamento();
        });
}

void TFrmPgtGrupo4_TrnVlJuros::AutorizaPagamento() {
    DefineMensagem(Texto(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    if (!VerificaColetaDadosCircularBacen()) {
        Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
        return;
    }
    // The chip indicator, the authorisation, the chip's second step and the reply's text on the line.
    if (!AutorizaTransacaoCartao()) return;
    Encerra();
}

void TFrmPgtGrupo4_TrnVlJuros::ConfirmaCheque() {
    // The cheque form sends the payment with the cheque's data and reports it; Return there comes back here.
    const std::unique_ptr<TFrmTrnDadosCta_Grp4> cheque(TFrmMod::Cria<TFrmTrnDadosCta_Grp4>(this));
    if (!cheque) {
        Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
        return;
    }
    const int resultado = cheque->Executa();
    if (resultado == mrOk) {
        setModalResult(mrOk);
        return;
    }
    HabilitaControles(true);
    FocaPrimeiroControle();
}
