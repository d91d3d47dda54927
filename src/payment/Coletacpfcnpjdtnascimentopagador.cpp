#include "payment/Coletacpfcnpjdtnascimentopagador.h"

#include "frame/Fabricas.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "payment/Coletacampocpfcnpjdadosadicionaisboletoregistrado.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CB_FABRICA(TFrmCPFCNPJDtNascPagador);

using namespace Lumomain;
using Documentos::Digitado;

namespace {

using msg::Texto;

enum { PESSOA_FISICA = 0, PESSOA_JURIDICA = 1 };

constexpr char MascaraData[] = "99/99/9999;_";

} // namespace

TFrmCPFCNPJDtNascPagador::TFrmCPFCNPJDtNascPagador(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(), GradePagador()) {
    lbTipoPessoa = captura.Rotulo(QStringLiteral("lbTipoPessoa"), Texto(msg::InfoTipoPessoa));
    cbTipoPessoa =
        captura.Lista(QStringLiteral("cbTipoPessoa"),
                      Texto(msg::MsgTipoPessoa) + QLatin1Char(' ') + Texto(msg::MsgTecladoReduzido));
    captura.Linha(0, lbTipoPessoa, cbTipoPessoa, 210);
    lbCPFCGC = captura.Rotulo(QStringLiteral("lbCPFCGC"), Texto(msg::InfoCPF));
    edCPFCGC = captura.Campo(QStringLiteral("edCPFCGC"), 0, Partes::Entrada::Texto, Texto(msg::MsgCpfCgc));
    captura.Linha(1, lbCPFCGC, edCPFCGC, 210);
    lbDataNascimento = captura.Rotulo(QStringLiteral("lbDataNascimento"), Texto(msg::InfoDataNascimento2));
    edDataNascimento = captura.Campo(QStringLiteral("edDataNascimento"), 0, Partes::Entrada::Digitos,
                                     Texto(msg::MsgDataNascimento));
    edDataNascimento->setInputMask(QLatin1String(MascaraData));
    captura.Linha(2, lbDataNascimento, edDataNascimento, 210);

    CriaBotoes({cbTipoPessoa, edCPFCGC, edDataNascimento});
    connect(cbTipoPessoa, &QComboBox::currentIndexChanged, this,
            [this] { Protegido([this] { ComboBoxTipoPessoaChange(cbTipoPessoa, lbCPFCGC, edCPFCGC, 0); }); });
}

Partes::Grade TFrmCPFCNPJDtNascPagador::GradePagador() {
    return Partes::Grade{.caixa = QRect(86, 90, 450, 160),
                         .topo = 18,
                         .passo = 46,
                         .altura = 28,
                         .larguraRotulo = 190,
                         .xCampo = 215};
}

void TFrmCPFCNPJDtNascPagador::IniciaCamposForm() {
    DefineTitulo(Texto(msg::TituloDadosDoPagador));
    {
        const QSignalBlocker b(cbTipoPessoa);
        cbTipoPessoa->clear();
        cbTipoPessoa->addItems({Texto(msg::InfoTipoPessoaFisica), Texto(msg::InfoTipoPessoaJuridica)});
        cbTipoPessoa->setCurrentIndex(-1);
    }
    Coletavalortrn::AplicaMascara(edCPFCGC, Coletavalortrn::MascaraCPF);
    edCPFCGC->clear();
    edDataNascimento->clear();
    // The parties dialog may already have the payer's document in the current record (none before the first).
    const bool pedeDocumento =
        DadosAdicionais::Le(IndiceDadosAdicionais, DadosAdicionais::OFF_PAGADOR, 15).isEmpty();
    for (QWidget* w : {static_cast<QWidget*>(lbTipoPessoa), static_cast<QWidget*>(cbTipoPessoa),
                       static_cast<QWidget*>(lbCPFCGC), static_cast<QWidget*>(edCPFCGC)})
        w->setVisible(pedeDocumento);
}

bool TFrmCPFCNPJDtNascPagador::ValidaData(const QString& data) {
    QString digitos = data;
    digitos.removeIf([](QChar c) { return !c.isDigit(); });
    if (digitos.size() != 8) return false;
    const QDate d = QDate::fromString(digitos, QStringLiteral("ddMMyyyy"));
    return d.isValid() && d <= QDate::currentDate() && d.year() >= 1900;
}

bool TFrmCPFCNPJDtNascPagador::ValidaCamposForm() {
    if (!cbTipoPessoa->isHidden()) {
        const int tipo = cbTipoPessoa->currentIndex();
        if (tipo != PESSOA_FISICA && tipo != PESSOA_JURIDICA) {
            ExibeMsgErroRepeteCampo(Texto(msg::ErroTipoPessoaInvalido), cbTipoPessoa, pnCaptura);
            return false;
        }
        const QString documento = Digitado(edCPFCGC);
        if (tipo == PESSOA_FISICA && !host::VerificaCPF(documento)) {
            ExibeMsgErroRepeteCampo(Texto(msg::ErroCPFInvalido), edCPFCGC, pnCaptura);
            return false;
        }
        if (tipo == PESSOA_JURIDICA && !host::VerificaCNPJ(documento)) {
            ExibeMsgErroRepeteCampo(Texto(msg::ErroCNPJInvalido), edCPFCGC, pnCaptura);
            return false;
        }
    }
    if (!ValidaData(edDataNascimento->text())) {
        ExibeMsgErroRepeteCampo(Texto(msg::ErroDataInvalida), edDataNascimento, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmCPFCNPJDtNascPagador::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink()) return false;
    using namespace DadosAdicionais;
    // The payer goes with the last document the parties dialog recorded, or opens the first record.
    const bool semRegistro = IndiceDadosAdicionais == 0;
    const int registro = semRegistro ? 1 : IndiceDadosAdicionais;
    if (!edCPFCGC->isHidden()) Grava(registro, OFF_PAGADOR, 14, Digitado(edCPFCGC));
    QString nascimento = edDataNascimento->text();
    nascimento.removeIf([](QChar c) { return !c.isDigit(); });
    Grava(registro, OFF_NASCIMENTO, 8, nascimento);
    if (semRegistro) {
        GravaNumeroDocumento(registro, IndiceAtual >= 2 ? IndiceAtual - 1 : 1);
        IndiceDadosAdicionais = 1;
        GravaQuantidade(IndiceDadosAdicionais);
    }
    return true;
}
