#include "queries/Demonstrativocreditobeneficio.h"

#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "queries/Consultadatasdemonstrativosdisponiveis.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TFrmCnsDtDemDsp* FrmCnsDtDemDsp = nullptr;

using namespace ServicosCartao;

namespace {

// Service 5 lives in field 20005, its occurrence count in 20115.
constexpr int CAMPO_SERVICO_5 = 20005;
constexpr char PREFIXO_DATA[] = "DTDEM:";
// Account type of an INSS benefit account.
constexpr char CONTA_BENEFICIO_INSS[] = "03";

using host::Grava;

QString MensagemDatas() {
    return QStringLiteral("Selecione a data do demonstrativo ") + QString::fromUtf8(msg::MsgTecladoReduzido);
}

} // namespace

QStringList DatasDemonstrativosDisponiveis() {
    QStringList datas;
    const int total = host::LeCampoInteiro(CAMPO_SERVICO_5 + 110, 0, 0);
    for (int i = 0; i < total; ++i) {
        const QString e = host::LeCampo(CAMPO_SERVICO_5, i);
        if (!e.startsWith(QLatin1String(PREFIXO_DATA))) continue;
        const QString data = e.mid(int(sizeof PREFIXO_DATA) - 1).trimmed();
        // A date the bank sent malformed cannot be asked for: it is not offered.
        if (QDate::fromString(data, QStringLiteral("ddMMyyyy")).isValid()) datas << data;
    }
    return datas;
}

TFrmCnsDtDemDsp::TFrmCnsDtDemDsp(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    lbValor->hide();
    edValor->hide();
    const Partes::Grade grade{
        .caixa = QRect(111, 110, 400, 110), .topo = 40, .altura = 28, .larguraRotulo = 130, .xCampo = 160};
    captura.Redefine(grade);
    // The instruction stands where the dates come later, until the card is read.
    lbInstrucao =
        new QLabel(QStringLiteral("Passe o cartão do benefício e digite a senha no PinPad."), pnCaptura);
    lbInstrucao->setObjectName(QStringLiteral("lbInstrucao"));
    lbInstrucao->setGeometry(20, 20, 360, 60);
    lbInstrucao->setWordWrap(true);
    lbDatas = captura.Rotulo(QStringLiteral("lbDatas"), QStringLiteral("Data do crédito:"));
    cbDatas = captura.Lista(QStringLiteral("cbDatas"), MensagemDatas());
    captura.Linha(0, lbDatas, cbDatas, 220);
    setTabOrder(edValor, cbDatas);
    setTabOrder(cbDatas, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    DefineTitulo(QStringLiteral("Demonstrativo de Crédito de Benefícios"));
}

void TFrmCnsDtDemDsp::IniciaCamposForm() {
    lbValor->hide();
    edValor->hide();
    TFrmTrn_Mod::IniciaCamposForm();
    // The PIN is taken with the card, before the dates are asked for.
    CapturaSenha = false;
    Descritor = &Tabelatrn::TrnConsultaDemonstrativoCredBeneficios;
    cbDatas->clear();
    cbDatas->hide();
    lbDatas->hide();
    lbInstrucao->show();
}

void TFrmCnsDtDemDsp::FormActivate() {
    TFrmTrn_Mod::FormActivate();
    // Nothing to type before the card: still, the operator hands the PIN pad over and confirms; the dialog
    // never starts the card read by itself.
    TClique->stop();
}

void TFrmCnsDtDemDsp::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) FechaPinpad();
    TFrmTrn_Mod::hideEvent(e);
}

bool TFrmCnsDtDemDsp::ValidaCamposForm() {
    // The form has no value: nothing of the base's to check.
    if (cbDatas->isHidden()) {
        // First confirmation: the dialog stays open on the dates, unless the chain ended.
        ConsultaDatasDisponiveis();
        return false;
    }
    if (cbDatas->currentIndex() < 0) {
        ExibeMsgErroRepeteCampo(MensagemDatas(), cbDatas, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmCnsDtDemDsp::ConsultaDatasDisponiveis() {
    if (!LeCartaoESenha(this)) return false;
    DefineMensagem(QString::fromUtf8(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    if (!Grava(10103, Lumomain::GrupoPagto) || !Grava(10158, QLatin1String(OPERACAO_DATAS_DEMONSTRATIVO)) ||
        !Grava(10341, QLatin1String(ENTRADA_CARTAO_LIDO))) {
        EncerraComFalha(this);
        return false;
    }
    {
        // The query names the card by its number in 10290, which stays there only while it goes.
        NumeroCartaoNoCampo cartao(10290);
        host::AutorizaTransacao(Consultadatasdemonstrativosdisponiveis::TrnCnsDtDemDsp, lbMensagem, 0);
    }
    const QString texto = host::LeCampo(1027);
    if (!texto.isEmpty()) DefineMensagem(texto);
    if (!host::Aprovada()) {
        EncerraComFalha(this);
        return false;
    }
    const QStringList datas = DatasDemonstrativosDisponiveis();
    if (datas.isEmpty()) {
        Grava(1009, QStringLiteral("255"));
        Grava(1027, QStringLiteral("Nenhum demonstrativo disponível"));
        EncerraComFalha(this);
        return false;
    }
    // The query moved nothing: from here on, leaving the dialog is the operator's decision.
    Grava(1009, QStringLiteral("FF"));
    Grava(1027, QString::fromUtf8(msg::ErroFinalizadoOper));
    MostraDatas(datas);
    return true;
}

void TFrmCnsDtDemDsp::MostraDatas(const QStringList& datas) {
    cbDatas->clear();
    for (const QString& d : datas)
        cbDatas->addItem(d.mid(0, 2) + QLatin1Char('/') + d.mid(2, 2) + QLatin1Char('/') + d.mid(4), d);
    cbDatas->setCurrentIndex(0);
    lbInstrucao->hide();
    lbDatas->show();
    cbDatas->show();
    pnCaptura->setEnabled(true);
    cbDatas->setFocus(Qt::OtherFocusReason);
    DefineMensagem(MensagemDatas());
}

bool TFrmCnsDtDemDsp::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    return Grava(10158, QLatin1String(OPERACAO_DEMONSTRATIVO_CREDITO)) &&
           Grava(10165, cbDatas->currentData().toString()) &&
           Grava(10102, QLatin1String(CONTA_BENEFICIO_INSS), 1);
}
