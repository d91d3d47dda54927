#include "prepaid/Consultaidentificacaoclientecartaoprepago.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

TFrmConsIdCliCartaoPrePago::TFrmConsIdCliCartaoPrePago(QWidget* pai)
    : TFrmConsIdCliCartaoPrePago(pai, QString(), msg::TituloConsultaIdClienteDepTransf,
                                 &Tabelatrn::TrnConsIdCliDepositoCartaoPrePago) {}

TFrmConsIdCliCartaoPrePago::TFrmConsIdCliCartaoPrePago(QWidget* pai, const QString& nome, const char* titulo,
                                                       const TTabelaTrn* descritor)
    : TFrmTrnCartaoPrePago_Mod(pai, nome, titulo, msg::MsgEmProcessamento, descritor) {}

bool TFrmConsIdCliCartaoPrePago::GravaCamposHostlink() {
    // The query goes to the bank's own host, not to a card network.
    if (!host::Grava(10112, QString())) return false;
    const QString funcao = host::LeCampo(10298);
    if (!host::Grava(10158, funcao == QLatin1String("16") ? QStringLiteral("16") : QStringLiteral("14")))
        return false;
    const bool celular = host::LeCampo(10229) == QLatin1String("2");
    return host::Grava(10134, celular ? QStringLiteral("2") : QStringLiteral("1"));
}

bool TFrmConsIdCliCartaoPrePago::TrataResposta(bool aprovada) {
    if (!aprovada) {
        // The bank's reason is the call's result.
        host::GravaArquivo();
        return false;
    }
    // From here on an abandonment reaches the host as the operator's, unless a later request answers.
    host::Grava(1009, QStringLiteral("255"));
    host::Grava(1027, msg::Texto(msg::ErroFinalizadoOper));
    Lumomain::TrataCamposServicoHzinho_40_ConsultaCartaoPrePago();
    return true;
}

TFrmCnsIdCliSaque::TFrmCnsIdCliSaque(QWidget* pai)
    : TFrmConsIdCliCartaoPrePago(pai, QString(), msg::TituloConsultaIdClienteSaque,
                                 &Tabelatrn::TrnConsIdCliSaqueCartaoPrePago) {}

bool TFrmCnsIdCliSaque::GravaCamposHostlink() {
    return host::Grava(10112, QString()) && host::Grava(10158, QStringLiteral("10"));
}

namespace Lumomain {

namespace {

template <class T> bool VerificaIdentificacao(const QString& passo, const QString& nomeForm) {
    host::GravaAudit(QStringLiteral("Entrou: ") + passo);
    const bool ok = TFrmTrnCartaoPrePago_Mod::ExecutaTransacaoForm<T>(nomeForm);
    host::GravaAudit((ok ? QStringLiteral("Saiu: ") : QStringLiteral("Saiu Erro: ")) + passo);
    return ok;
}

} // namespace

bool VerificaIdentificacaoClienteSaqueCartaoPrePago() {
    return VerificaIdentificacao<TFrmCnsIdCliSaque>(
        QStringLiteral("VerificaIdentificacaoClienteSaqueCartaoPrePago."),
        QStringLiteral("FrmCnsIdCliSaque"));
}

bool VerificaIdentificacaoClienteDepositoTransfCartaoPrePago() {
    return VerificaIdentificacao<TFrmConsIdCliCartaoPrePago>(
        QStringLiteral("VerificaIdentificacaoClienteDepositoTransfCartaoPrePago."),
        QStringLiteral("FrmConsIdCliCartaoPrePago"));
}

} // namespace Lumomain
