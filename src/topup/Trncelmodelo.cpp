#include "topup/Trncelmodelo.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Estado.h"
#include "protocol/ServicosRecarga.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"
#include "topup/Capturacelular.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using msg::Texto;
using namespace Lumomain;

namespace {

// The token of a debit top-up is read for the correspondent's debit network.
constexpr int TIPO_CAPTURA_RECARGA = 3;

QString Linha(const char* rotulo, const QString& valor) {
    return Texto(rotulo) + QLatin1Char(' ') + valor;
}

QString Dinheiro(long long centavos) {
    return host::Dollar(QString::number(centavos));
}

} // namespace

TFrmTrnCel_Mod::TFrmTrnCel_Mod(QWidget* pai, const QString& nome)
    : TFrmColeta_Mod(pai, nome, {.caixa = QRect(40, 246, 540, 66)}) {
    MemoResumo = new QPlainTextEdit(this);
    MemoResumo->setObjectName(QStringLiteral("MemoResumo"));
    MemoResumo->setReadOnly(true);
    MemoResumo->setEnabled(false);
    MemoResumo->setFocusPolicy(Qt::NoFocus);
    MemoResumo->setGeometry(40, 52, 540, 190);
}

void TFrmTrnCel_Mod::IniciaCamposForm() {
    btConfirma->setText(Texto(msg::InfoConfirma));
    btRetorna->setText(Texto(msg::InfoRetorna));
    PodeAlterarDados = host::PermiteAlterarDados();
    QStringList l{Texto(msg::TituloCargaCelularPrePago) + QLatin1Char('-') +
                      Texto(iFormaPagtoRecarga == 4 ? msg::OpcaoDebito : msg::OpcaoDinheiro),
                  QStringLiteral(" "), Linha(msg::InfoFilial, host::LeCampo(1254).trimmed())};
    const QString telefone = Capturacelular::LinhaTelefone();
    if (!telefone.isEmpty()) l << telefone;
    const long long valor = host::LeCampo(1003).toLongLong();
    l << QStringLiteral(" ") + Linha(msg::InfoValorRecarga, Dinheiro(valor));
    if (!host::LeCampo(10323).isEmpty()) {
        if (!sValorBonusRecarga.isEmpty()) l << Linha(msg::InfoBonusRecarga, sValorBonusRecarga);
        const long long custo = host::RemoveFormato(sCustoRecarga).toLongLong();
        if (!sCustoRecarga.isEmpty()) l << Linha(msg::InfoValorTarifa, sCustoRecarga);
        l << Linha(msg::InfoValorPagamento, Dinheiro(valor + custo));
    } else {
        const int i = iIndiceValorRecarga;
        if (i >= 0 && i < static_cast<int>(RespostaConsultaValores.Entradas.size())) {
            const QString bonus =
                RespostaConsultaValores.Entradas[static_cast<size_t>(i)].texto(12, 12).trimmed();
            if (!bonus.isEmpty()) l << Linha(msg::InfoBonusRecarga, host::Dollar(bonus));
        }
        const QString tarifa = RespostaConsultaValores.Tarifa.texto().trimmed();
        if (!tarifa.isEmpty()) l << Linha(msg::InfoValorTarifa, host::Dollar(tarifa));
        l << Linha(msg::InfoValorPagamento, Dinheiro(valor + tarifa.toLongLong()));
    }
    MemoResumo->setPlainText(l.join(QLatin1Char('\n')));
}

void TFrmTrnCel_Mod::FormActivate() {
    TFrmMod::FormActivate();
}

bool TFrmTrnCel_Mod::TrataToken() {
    if (GrupoPagto != QLatin1String("1") || !bHabilitaTratamentoToken ||
        host::LeCampo(10103) != QLatin1String("10"))
        return true;
    host::GravaAudit(QStringLiteral("Entrou: FrmTrnCel_Mod.btConfirmaClick(Sender -> Tratamento Token"));
    if (!TrataDispositivoSeguranca(false, lbTitulo->text(), TIPO_CAPTURA_RECARGA, lbMensagem,
                                   Texto(msg::MsgSoliciteSenhaToken), this)) {
        host::GravaAudit(QStringLiteral("Erro: FrmTrnCel_Mod.btConfirmaClick(Sender -> -> Tratamento Token"));
        // The token capture has written the result file; nothing is sent.
        setModalResult(mrOk);
        return false;
    }
    host::GravaAudit(QStringLiteral("Saiu: FrmColetaTipoConta.btConfirmaClick(Sender -> Tratamento Token"));
    return true;
}

bool TFrmTrnCel_Mod::ConcluiConfirmacao() {
    bControlaKeyPreview = false;
    const bool cartao = iFormaPagtoRecarga == 4;
    const bool seguiu = VerificaCapturaSenha() && (!cartao || VerificaObtemDadosEmv());
    bControlaKeyPreview = true;
    if (!seguiu) return ModalResult() == mrOk;
    if (!TrataToken()) return true;
    if (!VerificaAntesDeAutorizar()) {
        host::Grava(1027, Texto(msg::ErroOperacaoCancelada));
        host::Grava(1009, QStringLiteral("FF"));
        return false;
    }
    if (!AutorizaTransacaoCartao()) return true;
    TrataRespostaRecarga();
    if (host::Aprovada()) GravaRedeConcessionariaRecarga();
    host::GravaArquivo();
    return true;
}
