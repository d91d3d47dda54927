#include "frame/Coletadadoscircularbacentrn.h"

#include "frame/Coletacampocartao.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Coletavalortrn;

namespace {

using msg::Texto;

using host::Grava;

// Items of the two combos, by position.
enum { PESSOA_FISICA = 0, PESSOA_JURIDICA = 1 };
enum { CPF_DIFERENTES = 0, CPF_IGUAIS = 1 };

// Before a kind of person is chosen the owner's edit takes any 14 digits.
constexpr char MascaraDocumento[] = "99999999999999;_";

} // namespace

namespace {

// Four rows: the owner's kind and document, then the bearer's.
Partes::Grade GradeBacen() {
    return Partes::Grade{.caixa = QRect(61, 70, 500, 220),
                         .topo = 20,
                         .passo = 48,
                         .altura = 28,
                         .xRotulo = 15,
                         .larguraRotulo = 270,
                         .xCampo = 290};
}

} // namespace

TFrmColetaDadosBacen::TFrmColetaDadosBacen(QWidget* pai) : TFrmColeta_Mod(pai, QString(), GradeBacen()) {
    const auto lista = [this](const char* nome, const char* dica) {
        return captura.Lista(QLatin1String(nome),
                             Texto(dica) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    };
    // Typed keys go through the host's digit rule (eventFilter); the mask keeps anything else out of a drop.
    const auto documento = [this](const char* nome) {
        return captura.Campo(QLatin1String(nome), 14, Partes::Entrada::Texto, Texto(msg::MsgCpfCgc));
    };
    const auto linha = [this](int n, const char* nome, const char* texto, QWidget* controle) {
        QLabel* rotulo = captura.Rotulo(QLatin1String(nome), Texto(texto));
        captura.Linha(n, rotulo, controle, 190);
        return rotulo;
    };

    cbTipoPessoaProprietario = lista("cbTipoPessoaProprietario", msg::MsgTipoPessoaProprietario);
    edCPFCGCProprietario = documento("edCPFCGCProprietario");
    edCPFCGCProprietario->setInputMask(QLatin1String(MascaraDocumento));
    cbTipoPessoaPortador = lista("cbTipoPessoaPortador", msg::MsgTipoCPFPortador);
    edCPFCGCPortador = documento("edCPFCGCPortador");
    edCPFCGCPortador->setInputMask(QLatin1String(MascaraCPF));
    lbTipoPessoaProprietario =
        linha(0, "lbTipoPessoaProprietario", msg::InfoTipoPessoaProprietario, cbTipoPessoaProprietario);
    lbCPFCGCProprietario =
        linha(1, "lbCPFCGCProprietario", msg::InfoCPFCGCProprietario, edCPFCGCProprietario);
    lbTipoPessoaPortador =
        linha(2, "lbTipoPessoaPortador", msg::InfoPortadorProprietarioCPF, cbTipoPessoaPortador);
    lbCPFCGCPortador = linha(3, "lbCPFCGCPortador", msg::InfoCPFPortador, edCPFCGCPortador);

    CriaBotoes({cbTipoPessoaProprietario, edCPFCGCProprietario, cbTipoPessoaPortador, edCPFCGCPortador});
    Partes::AoSair(*this, cbTipoPessoaProprietario, [this] { cbTipoPessoaProprietarioExit(); });
    Partes::AoSair(*this, edCPFCGCProprietario, [this] { edCPFCGCProprietarioExit(); });
    Partes::AoSair(*this, cbTipoPessoaPortador, [this] { cbTipoPessoaPortadorExit(); });

    connect(cbTipoPessoaProprietario, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { cbTipoPessoaProprietarioChange(); }); });
    connect(cbTipoPessoaPortador, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { cbTipoPessoaPortadorChange(); }); });
}

void TFrmColetaDadosBacen::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    lbTipoPessoaProprietario->setText(Texto(msg::InfoTipoPessoaProprietario));
    lbCPFCGCProprietario->setText(Texto(msg::InfoCPFCGCProprietario));
    lbTipoPessoaPortador->setText(Texto(msg::InfoPortadorProprietarioCPF));
    lbCPFCGCPortador->setText(Texto(msg::InfoCPFPortador));
    {
        // Refilled with nothing chosen: the operator must pick both.
        const QSignalBlocker b1(cbTipoPessoaProprietario);
        const QSignalBlocker b2(cbTipoPessoaPortador);
        cbTipoPessoaProprietario->clear();
        cbTipoPessoaProprietario->addItems(
            {Texto(msg::InfoTipoPessoaFisica), Texto(msg::InfoTipoPessoaJuridica)});
        cbTipoPessoaProprietario->setCurrentIndex(-1);
        cbTipoPessoaPortador->clear();
        cbTipoPessoaPortador->addItems({Texto(msg::InfoDiferentes), Texto(msg::InfoIguais)});
        cbTipoPessoaPortador->setCurrentIndex(-1);
    }
    AplicaMascara(edCPFCGCPortador, MascaraCPF);
}

void TFrmColetaDadosBacen::DefineDocumentoProprietario(int tipo) {
    if (tipo == PESSOA_FISICA) {
        lbCPFCGCProprietario->setText(Texto(msg::InfoCPFProprietario));
        AplicaMascara(edCPFCGCProprietario, MascaraCPF);
    } else if (tipo == PESSOA_JURIDICA) {
        lbCPFCGCProprietario->setText(Texto(msg::InfoCNPJProprietario));
        AplicaMascara(edCPFCGCProprietario, MascaraCNPJ);
    }
}

void TFrmColetaDadosBacen::CopiaDocumentoPortador() {
    edCPFCGCPortador->setText(host::RemoveFormato(edCPFCGCProprietario->text()));
}

void TFrmColetaDadosBacen::cbTipoPessoaProprietarioChange() {
    const int tipo = cbTipoPessoaProprietario->currentIndex();
    if (tipo < 0) return;
    edCPFCGCProprietario->clear();
    DefineDocumentoProprietario(tipo);
    // A company's bearer is always someone else, so the question is only asked of a person; the bearer's
    // CPF is asked of both, since the cash a company brings is identified by whoever brings it.
    const bool fisica = tipo == PESSOA_FISICA;
    lbTipoPessoaPortador->setVisible(fisica);
    cbTipoPessoaPortador->setVisible(fisica);
    cbTipoPessoaPortador->setCurrentIndex(-1);
    edCPFCGCPortador->setEnabled(true);
}

void TFrmColetaDadosBacen::cbTipoPessoaProprietarioExit() {
    const int tipo = cbTipoPessoaProprietario->currentIndex();
    const QString rotulo = lbCPFCGCProprietario->text();
    if (tipo == PESSOA_FISICA && rotulo == Texto(msg::InfoCNPJ))
        edCPFCGCProprietario->clear();
    else if (tipo == PESSOA_JURIDICA && rotulo == Texto(msg::InfoCPF))
        edCPFCGCProprietario->clear();
    DefineDocumentoProprietario(tipo);
}

void TFrmColetaDadosBacen::edCPFCGCProprietarioExit() {
    if (cbTipoPessoaPortador->currentIndex() == CPF_IGUAIS) CopiaDocumentoPortador();
}

void TFrmColetaDadosBacen::cbTipoPessoaPortadorChange() {
    switch (cbTipoPessoaPortador->currentIndex()) {
    case CPF_DIFERENTES:
        edCPFCGCPortador->clear();
        edCPFCGCPortador->setEnabled(true);
        break;
    case CPF_IGUAIS:
        CopiaDocumentoPortador();
        edCPFCGCPortador->setEnabled(false);
        break;
    default:
        break;
    }
}

void TFrmColetaDadosBacen::cbTipoPessoaPortadorExit() {
    if (cbTipoPessoaPortador->currentIndex() != CPF_DIFERENTES) return;
    lbCPFCGCPortador->setText(Texto(msg::InfoCPFPortador));
    AplicaMascara(edCPFCGCPortador, MascaraCPF);
}

bool TFrmColetaDadosBacen::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::KeyPress && (objeto == edCPFCGCProprietario || objeto == edCPFCGCPortador)) {
        const auto* k = static_cast<const QKeyEvent*>(e);
        // A company's CNPJ may carry letters: its mask takes them and upper-cases them.
        const bool letraDeCnpj = objeto == edCPFCGCProprietario &&
                                 cbTipoPessoaProprietario->currentIndex() == PESSOA_JURIDICA &&
                                 k->text().size() == 1 && k->text().at(0).isLetter();
        if (!(k->modifiers() & (Qt::AltModifier | Qt::ControlModifier)))
            return !letraDeCnpj && Coletacampocartao::RecusaTeclaNumerica(k);
    }
    return TFrmColeta_Mod::eventFilter(objeto, e);
}

bool TFrmColetaDadosBacen::ValidaCamposForm() {
    const int tipo = cbTipoPessoaProprietario->currentIndex();
    if (tipo != PESSOA_FISICA && tipo != PESSOA_JURIDICA) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroTipoPessoaInvalido), cbTipoPessoaProprietario, pnCaptura);
        return false;
    }
    const QString proprietario = Documentos::Digitado(edCPFCGCProprietario);
    if (tipo == PESSOA_FISICA && !host::VerificaCPF(proprietario)) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroCPFInvalido), edCPFCGCProprietario, pnCaptura);
        return false;
    }
    if (tipo == PESSOA_JURIDICA && !host::VerificaCNPJ(proprietario)) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroCNPJInvalido), edCPFCGCProprietario, pnCaptura);
        return false;
    }
    if (!cbTipoPessoaPortador->isHidden() && cbTipoPessoaPortador->currentIndex() < 0) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroTipoCPFPortadorInvalido), cbTipoPessoaPortador, pnCaptura);
        return false;
    }
    if (!host::VerificaCPF(host::RemoveFormato(edCPFCGCPortador->text()))) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroCPFInvalido), edCPFCGCPortador, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmColetaDadosBacen::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    const bool fisica = cbTipoPessoaProprietario->currentIndex() == PESSOA_FISICA;
    const QString tipo = fisica ? QStringLiteral("F") : QStringLiteral("J");
    const QString proprietario = Documentos::Digitado(edCPFCGCProprietario);
    if (!Grava(1043, tipo)) return false;
    if (!Grava(10301, QStringLiteral("IDPROP:") + tipo + proprietario, 0)) return false;
    if (!Grava(1114, proprietario)) return false;
    const QString portador = host::RemoveFormato(edCPFCGCPortador->text());
    if (!Grava(1358, QStringLiteral("F"))) return false;
    if (!Grava(1359, portador)) return false;
    if (!Grava(10301, QStringLiteral("IDPORT:F") + portador, 1)) return false;
    return true;
}
