#include "prepaid/Menupagamentogrupo7cartaoprepago.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "prepaid/Consultacartaoprepago.h"
#include "prepaid/Depositotransferenciacartaoprepago.h"
#include "prepaid/Saquepagamentodiversosgrupo7_cartaoprepagolumo.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>

TFrmCartaoPrePagoGrupo7_Mnu* FrmCartaoPrePagoGrupo7_Mnu = nullptr;

using namespace MenusEntrada;

namespace {

using msg::Texto;

// Card group of the prepaid sub-functions: its network is in h-record 41.
constexpr int TIPO_CARTAO_PRE_PAGO = 41;
// Offset in h-record 41 of the flag of option 1; options 2 to 5 follow, one character each.
constexpr int OFFSET_OPCOES_H41 = 25;

// Each option is offered when the group-7 parameters enable its sub-function.
bool SubFuncaoHabilitada(int opcao, bool) {
    return Lumomain::ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago.texto(
               static_cast<size_t>(OFFSET_OPCOES_H41 + opcao - 1), 1) == QLatin1String("1");
}

using M = TFrmCartaoPrePagoGrupo7_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoSaque, {}, SubFuncaoHabilitada, &M::spOpcao1Click},
    {msg::OpcaoDeposito, {}, SubFuncaoHabilitada, &M::spOpcao2Click},
    {msg::OpcaoSaldo, {}, SubFuncaoHabilitada, &M::spOpcao3Click},
    {msg::OpcaoExtrato, {}, SubFuncaoHabilitada, &M::spOpcao4Click},
    {msg::OpcaoTransferencia, {}, SubFuncaoHabilitada, &M::spOpcao5Click},
};

} // namespace

TFrmCartaoPrePagoGrupo7_Mnu::TFrmCartaoPrePagoGrupo7_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloMenuCartaoPrePago, kOpcoes, msg::MsgTipoPagamento) {}

bool TFrmCartaoPrePagoGrupo7_Mnu::IniciaOpcao(const char* funcao) {
    if (host::Grava(10298, QLatin1String(funcao))) return true;
    EncerraPeloOperador();
    return false;
}

bool TFrmCartaoPrePagoGrupo7_Mnu::EncerraPeloOperador() {
    host::Grava(1027, Texto(msg::ErroFinalizadoOper));
    host::Grava(1009, QStringLiteral("FF"));
    host::GravaArquivo();
    return EncerraOperacao();
}

bool TFrmCartaoPrePagoGrupo7_Mnu::EncerraOperacao() {
    ServicosCartao::FechaPinpad();
    // The holder's card number is not kept beyond the operation.
    Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.limpa();
    setModalResult(mrOk);
    return false;
}

template <class T> bool TFrmCartaoPrePagoGrupo7_Mnu::ConcluiMovimento(const char* nomeForm) {
    // A refused name has been reported already; a query left unprinted keeps the operator's cancellation
    // that the identification query preset.
    if (!TrataConfirmacaoProprietarioCartaoPrePago()) return EncerraOperacao();
    if (!Lumomain::ImprimeConsultaCartaoPrePago()) {
        host::GravaArquivo();
        return EncerraOperacao();
    }
    TFrmTrnCartaoPrePago_Mod::ExecutaTransacaoForm<T>(QLatin1String(nomeForm));
    return EncerraOperacao();
}

bool TFrmCartaoPrePagoGrupo7_Mnu::spOpcao1Click() {
    if (!IniciaOpcao("10")) return false;
    if (!Lumomain::ColetaValorCartaoPrePago() || !Lumomain::ColetaDadosCartaoCelularCartaoPrePago())
        return EncerraPeloOperador();
    // A holder identified by the card itself needs no query: the PIN on that card identifies the holder.
    // The query and the name report their own failures.
    if (host::LeCampo(10229) == QLatin1String("2") &&
        (!Lumomain::VerificaIdentificacaoClienteSaqueCartaoPrePago() ||
         !TrataConfirmacaoProprietarioCartaoPrePago()))
        return EncerraOperacao();
    AbreFormulario(FrmMod_SaqueCartaoPrePago);
    return EncerraOperacao();
}

bool TFrmCartaoPrePagoGrupo7_Mnu::spOpcao2Click() {
    if (!IniciaOpcao("14")) return false;
    if (!host::Grava(10527, QStringLiteral("3")) || !Lumomain::ColetaValorCartaoPrePago() ||
        !Lumomain::ColetaDadosCartaoCelularCartaoPrePago() || !Lumomain::ColetaCPFCartaoPrePago())
        return EncerraPeloOperador();
    if (!Lumomain::VerificaIdentificacaoClienteDepositoTransfCartaoPrePago()) return EncerraOperacao();
    return ConcluiMovimento<TFrmDepCartaoPrePago>("FrmDepCartaoPrePago");
}

bool TFrmCartaoPrePagoGrupo7_Mnu::spOpcao3Click() {
    Consultacartaoprepago::ExecutaConsultaSaldo(this);
    return true;
}

bool TFrmCartaoPrePagoGrupo7_Mnu::spOpcao4Click() {
    Consultacartaoprepago::ExecutaConsultaExtrato(this);
    return true;
}

bool TFrmCartaoPrePagoGrupo7_Mnu::ColetaDadosCartaoSenhaTransferenciaCartaoPrePago() {
    Lumomain::TrataGravacao_SEQ_CB();
    Lumomain::RecuperaServicoAConsParam();
    if (Lumomain::LeAnalisaCartaoCB(TIPO_CARTAO_PRE_PAGO, lbMensagem) &&
        Lumomain::LeSenhaCB(false, lbTitulo->text(), TIPO_CARTAO_PRE_PAGO, lbMensagem, {}))
        return true;
    host::Grava(1027, Texto(msg::ErroOperacaoCancelada));
    host::Grava(1009, QStringLiteral("FF"));
    return false;
}

bool TFrmCartaoPrePagoGrupo7_Mnu::spOpcao5Click() {
    if (!IniciaOpcao("16")) return false;
    if (!Lumomain::ColetaValorCartaoPrePago() || !Lumomain::ColetaDadosCartaoCelularCartaoPrePago())
        return EncerraPeloOperador();
    if (!ColetaDadosCartaoSenhaTransferenciaCartaoPrePago()) {
        host::GravaArquivo();
        return EncerraOperacao();
    }
    if (!Lumomain::VerificaIdentificacaoClienteTransferenciaCartaoPrePago()) return EncerraOperacao();
    return ConcluiMovimento<TFrmTransfCartaoPrePago>("FrmTransfCartaoPrePago");
}
