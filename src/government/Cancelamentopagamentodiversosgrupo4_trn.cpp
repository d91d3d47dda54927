#include "government/Cancelamentopagamentodiversosgrupo4_trn.h"

#include "frame/Lumomain.h"
#include "government/Pagtogrupo4darf.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using host::Grava;
using Lumomain::Icone;
using msg::Texto;

TFrmCancPagtoDiv_Trn::TFrmCancPagtoDiv_Trn(QWidget* pai, const QString& nome, const TTabelaTrn& descritor,
                                           const char* modalidade)
    : TFrmCancGrupo3_Trn(pai, nome), descritor_(&descritor), modalidade_(QLatin1String(modalidade)) {
    const Partes::Grade grade{.caixa = QRect(61, 80, 500, 210), .topo = 8, .passo = 38, .altura = 28};
    captura.Redefine(grade);
    captura.Linha(0, lbValor, edValor, 250);
    captura.Linha(1, lbNsuVorta, EdNsuVorta, 250);
    edIdentificador =
        CriaCampo(2, lbIdentificador, "lbIdentificador", "edIdentificador", 14, msg::MsgIdentificador);
    lbTipoPessoa = captura.Rotulo(QStringLiteral("lbTipoPessoa"));
    cbTipoPessoa = captura.Lista(QStringLiteral("cbTipoPessoa"), Texto(msg::MsgTipoPessoa));
    captura.Linha(3, lbTipoPessoa, cbTipoPessoa, 250);
    lbCPFCGC = captura.Rotulo(QStringLiteral("lbCPFCGC"));
    edCPFCGC = captura.Campo(QStringLiteral("edCPFCGC"), 0, Partes::Entrada::Texto, Texto(msg::MsgCpfCgc));
    captura.Linha(4, lbCPFCGC, edCPFCGC, 250);
    QWidget* ordem[] = {edValor, EdNsuVorta, edIdentificador, cbTipoPessoa, edCPFCGC, btConfirma, btRetorna};
    for (size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
    connect(cbTipoPessoa, &QComboBox::currentIndexChanged, this, [this] {
        Protegido([this] { ComboBoxTipoPessoaChange(cbTipoPessoa, lbCPFCGC, edCPFCGC, iTipoDocumento); });
    });
}

void TFrmCancPagtoDiv_Trn::IniciaCamposForm() {
    TFrmCancGrupo3_Trn::IniciaCamposForm();
    Descritor = descritor_;
    iTipoDocumento = host::LeCampoInteiro(10232, 0, 0);
    switch (iTipoDocumento) {
    case Pagtogrupo4::DarfPreto:
        DefineTitulo(QStringLiteral("Darf Preto - ") + Texto(msg::TituloCancelamentoPagtoDiversosDarfPreto));
        break;
    case Pagtogrupo4::DarfSimples:
        DefineTitulo(QStringLiteral("Darf Simples - ") +
                     Texto(msg::TituloCancelamentoPagtoDiversosDarfSimples));
        break;
    case Pagtogrupo4::GPS:
        DefineTitulo(QStringLiteral("GPS - ") + Texto(msg::TituloCancelamentoPagtoDiversosGPS));
        break;
    default:
        break;
    }
    lbIdentificador->setText(Texto(msg::InfoIdentificador));
    lbTipoPessoa->setText(Texto(msg::InfoTipoPessoa));
    lbCPFCGC->setText(Texto(msg::InfoCPFCGC));

    const bool gps = iTipoDocumento == Pagtogrupo4::GPS;
    lbIdentificador->setVisible(gps);
    edIdentificador->setVisible(gps);
    lbTipoPessoa->setVisible(!gps);
    cbTipoPessoa->setVisible(!gps);
    lbCPFCGC->setVisible(!gps);
    edCPFCGC->setVisible(!gps);
    if (gps) {
        const QString identificador = host::LeCampo(1258).trimmed();
        edIdentificador->setText(identificador);
        edIdentificador->setEnabled(identificador.isEmpty());
    } else {
        IniciaDocumentoDarf();
    }
}

void TFrmCancPagtoDiv_Trn::IniciaDocumentoDarf() {
    const bool simples = iTipoDocumento == Pagtogrupo4::DarfSimples;
    QString tipo = host::LeCampo(1006).trimmed();
    QString documento = host::LeCampo(1007).trimmed();
    const QSignalBlocker bloqueio(cbTipoPessoa);
    cbTipoPessoa->clear();
    if (!simples) cbTipoPessoa->addItem(Texto(msg::InfoTipoPessoaFisica));
    cbTipoPessoa->addItem(Texto(msg::InfoTipoPessoaJuridica));
    cbTipoPessoa->setCurrentIndex(-1);
    cbTipoPessoa->setEnabled(true);
    const auto seleciona = [this](const char* texto) {
        cbTipoPessoa->setCurrentIndex(cbTipoPessoa->findText(Texto(texto)));
    };
    if (tipo.isEmpty()) {
        // A document of the wrong length for the kind is not the taxpayer's: the host's copy goes.
        if (documento.size() == 11 && !simples) {
            seleciona(msg::InfoTipoPessoaFisica);
        } else if (documento.size() == 14) {
            seleciona(msg::InfoTipoPessoaJuridica);
        } else if (!documento.isEmpty()) {
            host::LimpaCampo(1007);
            documento.clear();
        }
    } else if (tipo == QLatin1String("J") || (tipo == QLatin1String("F") && !simples)) {
        seleciona(tipo == QLatin1String("F") ? msg::InfoTipoPessoaFisica : msg::InfoTipoPessoaJuridica);
        cbTipoPessoa->setEnabled(false);
    } else {
        host::LimpaCampo(1006);
    }
    const bool cpf = !simples && cbTipoPessoa->currentText() == Texto(msg::InfoTipoPessoaFisica);
    edCPFCGC->setEnabled(true);
    edCPFCGC->setInputMask(QLatin1String(cpf ? Documentos::MascaraCPF : Documentos::MascaraCNPJ));
    edCPFCGC->setText(documento);
    edCPFCGC->setEnabled(documento.isEmpty());
}

bool TFrmCancPagtoDiv_Trn::ValidaCamposForm() {
    if (!TFrmCancGrupo3_Trn::ValidaCamposForm()) return false;
    const auto repete = [this](const char* mensagem, QWidget* controle, Icone icone) {
        ExibeMsgErroRepeteCampo(Texto(mensagem), controle, pnCaptura, icone);
        return false;
    };
    if (edIdentificador->isVisibleTo(this) && edIdentificador->text().trimmed().isEmpty())
        return repete(msg::ErroIdentificadorInvalido, edIdentificador, Icone::Aviso);
    if (cbTipoPessoa->isVisibleTo(this) && cbTipoPessoa->currentIndex() < 0)
        return repete(msg::ErroTipoPessoaInvalido, cbTipoPessoa, Icone::Nenhum);
    if (edCPFCGC->isVisibleTo(this)) {
        if (const char* erro = Pagtogrupo4::ErroDocumento(Documentos::Digitado(edCPFCGC)))
            return repete(erro, edCPFCGC, Icone::Nenhum);
    }
    return true;
}

bool TFrmCancPagtoDiv_Trn::GravaCamposHostlink() {
    if (!TFrmCancGrupo3_Trn::GravaCamposHostlink()) return false;
    const QString identificador = edIdentificador->text().trimmed();
    if (edIdentificador->isVisibleTo(this) && !identificador.isEmpty() &&
        !(Grava(1258, identificador) && Grava(10154, identificador)))
        return false;
    if (cbTipoPessoa->isVisibleTo(this) && edCPFCGC->isVisibleTo(this)) {
        const bool fisica = cbTipoPessoa->currentText() == Texto(msg::InfoTipoPessoaFisica);
        const QString documento = Documentos::Digitado(edCPFCGC);
        if (!Grava(1006, fisica ? QStringLiteral("F") : QStringLiteral("J")) || !Grava(1007, documento) ||
            !Grava(10154, documento))
            return false;
    }
    return Grava(10154, EdNsuVorta->text(), 1) && Grava(10158, modalidade_);
}
