#include "payment/Reimpressaofininvesttrn.h"

#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "payment/Reimpressaofininvest.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTimer>

TFrmRFN_Trn* FrmRFN_Trn = nullptr;

namespace {

constexpr int TAMANHO_NSU = 13;
const QString FORMATO_DATA = QStringLiteral("dd/MM/yyyy");

using host::Grava;

} // namespace

TFrmRFN_Trn::TFrmRFN_Trn(QWidget* pai) : TFrmTrn_Mod(pai, QString()) {
    lbValor->hide();
    edValor->hide();
    const Partes::Grade grade{.caixa = QRect(111, 110, 400, 110),
                              .topo = 20,
                              .passo = 42,
                              .altura = 28,
                              .larguraRotulo = 150,
                              .xCampo = 180};
    captura.Redefine(grade);
    lbDataTrn = captura.Rotulo(QStringLiteral("lbDataTrn"), QString::fromUtf8(msg::InfoDataTrn));
    edDataTrn = captura.Campo(QStringLiteral("edDataTrn"), 0, Partes::Entrada::Digitos,
                              QStringLiteral("Informe a data da transação."));
    edDataTrn->setInputMask(QStringLiteral("99/99/9999;_"));
    captura.Linha(0, lbDataTrn, edDataTrn, 200);
    lbNsuVorta = captura.Rotulo(QStringLiteral("lbNsuVorta"), QString::fromUtf8(msg::InfoNSUVorta));
    edNsuVorta = captura.Campo(QStringLiteral("edNsuVorta"), TAMANHO_NSU, Partes::Entrada::Digitos,
                               QString::fromUtf8(msg::MsgNSUVortaGenerico));
    edNsuVorta->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edNsuVorta));
    captura.Linha(1, lbNsuVorta, edNsuVorta, 200);
    setTabOrder(edValor, edDataTrn);
    setTabOrder(edDataTrn, edNsuVorta);
    setTabOrder(edNsuVorta, btConfirma);
    setTabOrder(btConfirma, btRetorna);
    DefineTitulo(QStringLiteral("Reimpressão Fininvest"));

    // No card takes part in a reprint, and the common confirm flow starts with the card's processing on the
    // PIN pad, which refuses when no card was read: this dialog's confirm (the button and the automatic
    // press alike) runs its own flow, the common one without the card steps.
    disconnect(btConfirma, &QAbstractButton::clicked, this, nullptr);
    LigaClique(btConfirma, [this] { ConfirmaReimpressao(); });
    RedefineClique(TClique, [this] {
        Lumomain::ProcessaMensagens();
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled())
            ConfirmaReimpressao();
    });
}

void TFrmRFN_Trn::IniciaCamposForm() {
    lbValor->hide();
    edValor->hide();
    TFrmTrn_Mod::IniciaCamposForm();
    CapturaSenha = false;
    Descritor = &Reimpressaofininvest::TrnReimpressaoFin;
    edDataTrn->clear();
    edNsuVorta->clear();
}

bool TFrmRFN_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    const QDate dia = QDate::fromString(edDataTrn->text(), FORMATO_DATA);
    if (!dia.isValid() || dia > QDate::currentDate()) {
        edDataTrn->clear();
        ExibeMsgErroRepeteCampo(QString::fromUtf8(msg::ErroDataInvalida), edDataTrn, pnCaptura);
        return false;
    }
    if (edNsuVorta->text().trimmed().isEmpty()) {
        ExibeMsgErroRepeteCampo(QString::fromUtf8(msg::MsgErroNumComprovanteInvalido), edNsuVorta, pnCaptura);
        return false;
    }
    return true;
}

bool TFrmRFN_Trn::GravaCamposHostlink() {
    if (!TFrmTrn_Mod::GravaCamposHostlink()) return false;
    // The receipt is found by date and NSU: the entry type and the document of a payment go empty.
    host::LimpaCampo(10167);
    host::LimpaCampo(10168);
    const QDate dia = QDate::fromString(edDataTrn->text(), FORMATO_DATA);
    return Grava(10158, QLatin1String(ServicosCartao::OPERACAO_REIMPRESSAO_FININVEST)) &&
           Grava(1112, dia.toString(QStringLiteral("ddMMyyyy"))) &&
           Grava(10102, edNsuVorta->text().trimmed());
}

void TFrmRFN_Trn::ConfirmaReimpressao() {
    bControlaKeyPreview = false;
    HabilitaControles(false);
    if (!ValidaCamposForm() || !GravaCamposHostlink()) {
        HabilitaControles(true);
        bControlaKeyPreview = true;
        return;
    }
    DefineMensagem(QString::fromUtf8(msg::MsgEmProcessamento));
    Lumomain::ProcessaMensagens();
    VerificaAutorizaTransacao();
    const QString texto = host::LeCampo(1027);
    if (!texto.isEmpty()) {
        DefineMensagem(texto);
        Lumomain::ProcessaMensagens();
    }
    // The receipt of the reply goes to the host as every transaction's does; approved or refused, the call
    // ends here.
    Lumomain::RestauraServicoI();
    host::GravaArquivo();
    host::LimpaCampo(10216);
    setModalResult(mrOk);
    HabilitaControles(true);
    bControlaKeyPreview = true;
}
