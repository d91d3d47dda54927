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

TFrmColetaDadosBacen::TFrmColetaDadosBacen(QWidget* pai)
    : TFrmColeta_Mod(pai, QStringLiteral("FrmColetaDadosBacen"), QRect(61, 70, 500, 220)) {
    const auto rotulo = [this](const char* nome, const char* texto, int y) {
        auto* l = new QLabel(Texto(texto), pnCaptura);
        l->setObjectName(QLatin1String(nome));
        l->setGeometry(15, y, 270, 28);
        return l;
    };
    const auto documento = [this](const char* nome, int y) {
        auto* ed = new QLineEdit(pnCaptura);
        ed->setObjectName(QLatin1String(nome));
        ed->setGeometry(290, y, 190, 28);
        ed->setMaxLength(14);
        // Typed keys go through the host's digit rule (eventFilter); the mask keeps anything else out of
        // a drop.
        ed->setContextMenuPolicy(Qt::NoContextMenu);
        return ed;
    };
    const auto combo = [this](const char* nome, int y) {
        auto* cb = new QComboBox(pnCaptura);
        cb->setObjectName(QLatin1String(nome));
        cb->setGeometry(290, y, 190, 28);
        return cb;
    };

    lbTipoPessoaProprietario = rotulo("lbTipoPessoaProprietario", msg::InfoTipoPessoaProprietario, 20);
    cbTipoPessoaProprietario = combo("cbTipoPessoaProprietario", 20);
    lbCPFCGCProprietario = rotulo("lbCPFCGCProprietario", msg::InfoCPFCGCProprietario, 68);
    edCPFCGCProprietario = documento("edCPFCGCProprietario", 68);
    edCPFCGCProprietario->setInputMask(QLatin1String(MascaraDocumento));
    lbTipoPessoaPortador = rotulo("lbTipoPessoaPortador", msg::InfoPortadorProprietarioCPF, 116);
    cbTipoPessoaPortador = combo("cbTipoPessoaPortador", 116);
    lbCPFCGCPortador = rotulo("lbCPFCGCPortador", msg::InfoCPFPortador, 164);
    edCPFCGCPortador = documento("edCPFCGCPortador", 164);
    edCPFCGCPortador->setInputMask(QLatin1String(MascaraCPF));

    CriaBotoes({cbTipoPessoaProprietario, edCPFCGCProprietario, cbTipoPessoaPortador, edCPFCGCPortador});
    for (QWidget* w :
         {static_cast<QWidget*>(cbTipoPessoaProprietario), static_cast<QWidget*>(edCPFCGCProprietario),
          static_cast<QWidget*>(cbTipoPessoaPortador), static_cast<QWidget*>(edCPFCGCPortador)})
        Observa(w);

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
    const auto dica = [this](const char* texto) {
        DefineMensagem(Texto(texto) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    };
    switch (e->type()) {
    case QEvent::FocusIn:
        if (objeto == cbTipoPessoaProprietario)
            dica(msg::MsgTipoPessoaProprietario);
        else if (objeto == cbTipoPessoaPortador)
            dica(msg::MsgTipoCPFPortador);
        else if (objeto == edCPFCGCProprietario || objeto == edCPFCGCPortador)
            DefineMensagem(Texto(msg::MsgCpfCgc));
        break;
    case QEvent::FocusOut:
        if (objeto == cbTipoPessoaProprietario)
            Protegido([this] { cbTipoPessoaProprietarioExit(); });
        else if (objeto == edCPFCGCProprietario)
            Protegido([this] { edCPFCGCProprietarioExit(); });
        else if (objeto == cbTipoPessoaPortador)
            Protegido([this] { cbTipoPessoaPortadorExit(); });
        break;
    case QEvent::KeyPress: {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (objeto == cbTipoPessoaProprietario || objeto == cbTipoPessoaPortador) {
            bool consumida = false;
            Protegido([&] { consumida = TeclaDeLista(static_cast<QComboBox*>(objeto), k); });
            if (consumida) return true;
        } else if (objeto == edCPFCGCProprietario || objeto == edCPFCGCPortador) {
            // A company's CNPJ may carry letters: its mask takes them and upper-cases them.
            const bool letraDeCnpj = objeto == edCPFCGCProprietario &&
                                     cbTipoPessoaProprietario->currentIndex() == PESSOA_JURIDICA &&
                                     k->text().size() == 1 && k->text().at(0).isLetter();
            return !letraDeCnpj && Coletacampocartao::RecusaTeclaNumerica(k);
        }
        break;
    }
    default:
        break;
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
