#include "menus/Menuoutrasfuncoes.h"

#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "menus/Selecionadorcbfininvest.h"
#include "prepaid/Menupagamentogrupo7cartaoprepago.h"
#include "protocol/ServicosResposta.h"
#include "queries/Demonstrativocreditobeneficio.h"
#include "resources/Mensagens.h"
#include "services/Consultatransferenciaentrecontas.h"
#include "services/Efetivatransferenciacontas.h"
#include "services/Pedidocartaodebito.h"
#include "services/Revalidacaosenhainss.h"

#include <QLabel>

TFrmOutrasFuncoes_Mnu* FrmOutrasFuncoes_Mnu = nullptr;

using namespace Menumodelolumo;
using namespace MenusEntrada;

namespace {

using M = TFrmOutrasFuncoes_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {"Revalidação Senha Cartao INSS", "RevalidacaoSenhaCartaoINSS", ForaCNC, &M::spOpcao1Click},
    {"Transferência entre Contas", "TransferenciaEntreContas", ForaCNC, &M::spOpcao2Click},
    {"Demonstrativo Crédito Benefícios", "DemonstrativoCreditoBeneficios", ForaCNC, &M::spOpcao3Click},
    {"Pedido de Cartão de Débito", "PedidoCartaoDebito", ForaCNC, &M::spOpcao4Click},
    {"Cartão Pré-Pago", "CartaoPrePago", ForaCNC, &M::spOpcao5Click},
};

} // namespace

TFrmOutrasFuncoes_Mnu::TFrmOutrasFuncoes_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), "OUTRAS FUNÇÕES", kOpcoes, msg::MsgMenuOutrasFuncoes) {}

bool VerificaBotaoOutrasFuncoesHabilitadas() {
    return TFrmMnu_Mod::AlgumaOferecida(kOpcoes);
}

bool TFrmOutrasFuncoes_Mnu::spOpcao1Click() {
    if (!CarregaGrupo(this, "3")) return false;
    Lumomain::TrataVersaoVortaCB();
    AbreFormulario(FrmRevSenhaINSS_Crt);
    return true;
}

bool TFrmOutrasFuncoes_Mnu::spOpcao2Click() {
    if (!CarregaGrupo(this, "1")) return false;
    SalvaParametrosContaCartao();
    if (!ConfereBanco(this)) return false;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaGrupo(this, "3")) return false;
    Lumomain::TrataGravacao_SEQ_CB();
    Lumomain::RecuperaServicoAConsParam();
    if (!Lumomain::LeAnalisaCartaoCB(12, lbMensagem)) {
        Encerra(QStringLiteral("FF"), QString::fromUtf8(msg::ErroOperacaoCancelada));
        return false;
    }
    AbreFormulario(FrmCnsTransf_DdCta);
    int codigo = host::CodigoResultado();
    if (EncerraAposDialogo(this, codigo)) Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    if (codigo == 0) {
        AbreFormulario(FrmEfetTransf);
        codigo = host::CodigoResultado();
        if (EncerraAposDialogo(this, codigo)) Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    }
    ServicosCartao::FechaPinpad();
    return true;
}

bool TFrmOutrasFuncoes_Mnu::spOpcao3Click() {
    if (!CarregaGrupo(this, "1")) return false;
    Lumomain::SalvaDPCHIP();
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaGrupo(this, "3")) return false;
    Lumomain::SalvaServicoAConsParam();
    AbreFormulario(FrmCnsDtDemDsp);
    return true;
}

bool TFrmOutrasFuncoes_Mnu::spOpcao4Click() {
    if (!CarregaGrupo(this, "1")) return false;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaGrupo(this, "3")) return false;
    AbreFormulario(FrmPedCrtDeb);
    return true;
}

bool TFrmOutrasFuncoes_Mnu::spOpcao5Click() {
    if (!CarregaGrupo(this, "1")) return false;
    SalvaParametrosGrupo1();
    if (!CarregaGrupo(this, "7")) return false;
    AbreFormulario(FrmCartaoPrePagoGrupo7_Mnu);
    return true;
}
