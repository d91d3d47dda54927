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

} // namespace

TFrmCartaoPrePagoGrupo7_Mnu::TFrmCartaoPrePagoGrupo7_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QStringLiteral("FrmCartaoPrePagoGrupo7_Mnu")) {
    LigaOpcoes(this,
               {&TFrmCartaoPrePagoGrupo7_Mnu::spOpcao1Click, &TFrmCartaoPrePagoGrupo7_Mnu::spOpcao2Click,
                &TFrmCartaoPrePagoGrupo7_Mnu::spOpcao3Click, &TFrmCartaoPrePagoGrupo7_Mnu::spOpcao4Click,
                &TFrmCartaoPrePagoGrupo7_Mnu::spOpcao5Click});
}

void TFrmCartaoPrePagoGrupo7_Mnu::IniciaFormularioMenu() {
    DefineTitulo(Texto(msg::TituloMenuCartaoPrePago));
    DefineOpcoes(
        {msg::OpcaoSaque, msg::OpcaoDeposito, msg::OpcaoSaldo, msg::OpcaoExtrato, msg::OpcaoTransferencia});
}

void TFrmCartaoPrePagoGrupo7_Mnu::VerificaOpcoesHabilitadas() {
    const auto& h41 = Lumomain::ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago;
    for (int i = 0; i < 5; ++i)
        HabilitaOpcao(i + 1, h41.texto(static_cast<size_t>(OFFSET_OPCOES_H41 + i), 1) == QLatin1String("1"));
}

void TFrmCartaoPrePagoGrupo7_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(Texto(msg::MsgTipoPagamento));
}

bool TFrmCartaoPrePagoGrupo7_Mnu::IniciaOpcao(const char* funcao) {
    HabilitaDesabilitaBotoes(false);
    if (host::Grava(10298, QLatin1String(funcao))) return true;
    EncerraPeloOperador();
    return false;
}

void TFrmCartaoPrePagoGrupo7_Mnu::EncerraPeloOperador() {
    host::Grava(1027, Texto(msg::ErroFinalizadoOper));
    host::Grava(1009, QStringLiteral("FF"));
    host::GravaArquivo();
    EncerraOperacao();
}

void TFrmCartaoPrePagoGrupo7_Mnu::EncerraOperacao() {
    ServicosCartao::FechaPinpad();
    // The holder's card number is not kept beyond the operation.
    Lumomain::ServicoHzinho_40_ConsultaCartaoPrePago.limpa();
    setModalResult(mrOk);
}

template <class T> void TFrmCartaoPrePagoGrupo7_Mnu::ConcluiMovimento(const char* nomeForm) {
    // A refused name has been reported already; a query left unprinted keeps the operator's cancellation
    // that the identification query preset.
    if (!TrataConfirmacaoProprietarioCartaoPrePago()) {
        EncerraOperacao();
        return;
    }
    if (!Lumomain::ImprimeConsultaCartaoPrePago()) {
        host::GravaArquivo();
        EncerraOperacao();
        return;
    }
    TFrmTrnCartaoPrePago_Mod::ExecutaTransacaoForm<T>(QLatin1String(nomeForm));
    EncerraOperacao();
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao1Click() {
    if (!IniciaOpcao("10")) return;
    if (!Lumomain::ColetaValorCartaoPrePago() || !Lumomain::ColetaDadosCartaoCelularCartaoPrePago()) {
        EncerraPeloOperador();
        return;
    }
    // A holder identified by the card itself needs no query: the PIN on that card identifies the holder.
    // The query and the name report their own failures.
    if (host::LeCampo(10229) == QLatin1String("2") &&
        (!Lumomain::VerificaIdentificacaoClienteSaqueCartaoPrePago() ||
         !TrataConfirmacaoProprietarioCartaoPrePago())) {
        EncerraOperacao();
        return;
    }
    if (!CriaExecutaForm(this, FrmMod_SaqueCartaoPrePago)) MensagemFalhaCriacao("FrmMod_SaqueCartaoPrePago");
    EncerraOperacao();
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao2Click() {
    if (!IniciaOpcao("14")) return;
    if (!host::Grava(10527, QStringLiteral("3")) || !Lumomain::ColetaValorCartaoPrePago() ||
        !Lumomain::ColetaDadosCartaoCelularCartaoPrePago() || !Lumomain::ColetaCPFCartaoPrePago()) {
        EncerraPeloOperador();
        return;
    }
    if (!Lumomain::VerificaIdentificacaoClienteDepositoTransfCartaoPrePago()) {
        EncerraOperacao();
        return;
    }
    ConcluiMovimento<TFrmDepCartaoPrePago>("FrmDepCartaoPrePago");
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao3Click() {
    HabilitaDesabilitaBotoes(false);
    Consultacartaoprepago::ExecutaConsultaSaldo(this);
    ReabilitaSeContinua();
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao4Click() {
    HabilitaDesabilitaBotoes(false);
    Consultacartaoprepago::ExecutaConsultaExtrato(this);
    ReabilitaSeContinua();
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

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao5Click() {
    if (!IniciaOpcao("16")) return;
    if (!Lumomain::ColetaValorCartaoPrePago() || !Lumomain::ColetaDadosCartaoCelularCartaoPrePago()) {
        EncerraPeloOperador();
        return;
    }
    if (!ColetaDadosCartaoSenhaTransferenciaCartaoPrePago()) {
        host::GravaArquivo();
        EncerraOperacao();
        return;
    }
    if (!Lumomain::VerificaIdentificacaoClienteTransferenciaCartaoPrePago()) {
        EncerraOperacao();
        return;
    }
    ConcluiMovimento<TFrmTransfCartaoPrePago>("FrmTransfCartaoPrePago");
}
