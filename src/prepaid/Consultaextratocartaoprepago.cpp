#include "prepaid/Consultaextratocartaoprepago.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "prepaid/Consultacartaoprepago.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCnsExtratoCrtPrePago* FrmCnsExtratoCrtPrePago = nullptr;

namespace {

using host::Grava;
using msg::Texto;

constexpr char OPERACAO_EXTRATO[] = "13";
constexpr char MASCARA_DATA[] = "99/99/9999;_";
constexpr int DIGITOS_DATA = 8;

// The host gives a date as DDMMYYYY; the edit shows it as DD/MM/YYYY.
void PreencheData(QLineEdit* edit, int campo) {
    edit->clear();
    const QString data = host::LeCampo(campo).trimmed();
    edit->setText(data.size() == DIGITOS_DATA
                      ? data.left(2) + QLatin1Char('/') + data.mid(2, 2) + QLatin1Char('/') + data.mid(4)
                      : data);
    // A date the host already knows is the period it asked for: the operator cannot change it.
    edit->setEnabled(data.isEmpty());
}

Partes::Grade GradePeriodo() {
    return Partes::Grade{.caixa = QRect(136, 130, 350, 110),
                         .topo = 20,
                         .passo = 42,
                         .altura = 28,
                         .xRotulo = 30,
                         .larguraRotulo = 140,
                         .xCampo = 180};
}

} // namespace

TFrmCnsExtratoCrtPrePago::TFrmCnsExtratoCrtPrePago(QWidget* pai)
    : TFrmColeta_Mod(pai, QString(), GradePeriodo()) {
    const auto criaData = [this](int linha, const char* nomeRotulo, const char* rotulo, const char* nome,
                                 const char* dica, QLabel*& lb) {
        lb = captura.Rotulo(QLatin1String(nomeRotulo), Texto(rotulo));
        auto* edit = captura.Campo(QLatin1String(nome), 0, Partes::Entrada::Digitos, Texto(dica));
        edit->setInputMask(QLatin1String(MASCARA_DATA));
        captura.Linha(linha, lb, edit, 160);
        return edit;
    };
    edDataInicial = criaData(0, "lbDataInicial", msg::InfoDataInicial, "edDataInicial", msg::MsgDataInicial,
                             lbDataInicial);
    edDataFinal =
        criaData(1, "lbDataFinal", msg::InfoDataFinal, "edDataFinal", msg::MsgDataFinal, lbDataFinal);
    CriaBotoes({edDataInicial, edDataFinal});
    DefineTitulo(Texto(msg::TituloConsultaExtratoCartaoPrePago));
}

void TFrmCnsExtratoCrtPrePago::IniciaCamposForm() {
    Descritor = &Tabelatrn::TrnConsultaExtratoCartaoPrePago;
    PreencheData(edDataInicial, 1283);
    PreencheData(edDataFinal, 1284);
}

void TFrmCnsExtratoCrtPrePago::FormActivate() {
    // Unlike the entry dialogs, a period the host supplied whole does not confirm itself: the statement
    // waits for the operator, who then has the customer's card at hand.
    TFrmMod::FormActivate();
}

bool TFrmCnsExtratoCrtPrePago::DataValida(QLineEdit* edit) const {
    const QDate dia = QDate::fromString(edit->text(), QStringLiteral("dd/MM/yyyy"));
    return dia.isValid() && dia <= QDate::currentDate() &&
           host::RemoveFormato(edit->text()).size() >= DIGITOS_DATA;
}

bool TFrmCnsExtratoCrtPrePago::ValidaCamposForm() {
    for (QLineEdit* edit : {edDataInicial, edDataFinal}) {
        if (!edit->isHidden() && !DataValida(edit)) {
            ExibeMsgErroRepeteCampo(Texto(msg::ErroDataInvalida), edit, pnCaptura);
            return false;
        }
    }
    return true;
}

bool TFrmCnsExtratoCrtPrePago::GravaCamposHostlink() {
    if (!TFrmColeta_Mod::GravaCamposHostlink() || !Grava(10158, QLatin1String(OPERACAO_EXTRATO)))
        return false;
    const QString inicio = host::RemoveFormato(edDataInicial->text());
    const QString fim = host::RemoveFormato(edDataFinal->text());
    if ((!inicio.isEmpty() && !Grava(1283, inicio)) || (!fim.isEmpty() && !Grava(1284, fim))) return false;

    constexpr int tipo = Consultacartaoprepago::TIPO_CARTAO_PREPAGO;
    if (!Lumomain::LeAnalisaCartaoCB(tipo, lbMensagem)) {
        Grava(1027, Texto(msg::ErroOperacaoCancelada));
        Grava(1009, QStringLiteral("FF"));
        Encerra();
        return false;
    }
    // The card read left the correspondent PIN pad open: the PIN is taken on it as it is.
    return Lumomain::LeSenhaCB(false, lbTitulo->text(), tipo, lbMensagem, {});
}

bool TFrmCnsExtratoCrtPrePago::ConcluiConfirmacao() {
    // A refusal of the chip's steps was reported by the PIN pad's package; the call ends all the same.
    if (!VerificaProcessaCartao() || !VerificaObtemDadosEmv()) {
        Lumomain::FechaPinpadFechaFormGravaArquivo(this);
        return false;
    }
    AutorizaTransacaoCartao();
    Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    return true;
}
