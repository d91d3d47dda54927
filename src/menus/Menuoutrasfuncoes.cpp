#include "menus/Menuoutrasfuncoes.h"

#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "menus/Selecionadorcbfininvest.h"
#include "prepaid/Menupagamentogrupo7cartaoprepago.h"
#include "protocol/ServicosResposta.h"
#include "queries/Demonstrativocreditobeneficio.h"
#include "resources/Mensagens.h"
#include "services/Pedidocartaodebito.h"
#include "services/Revalidacaosenhainss.h"

#include <array>

TFrmOutrasFuncoes_Mnu* FrmOutrasFuncoes_Mnu = nullptr;

using namespace MenusEntrada;

namespace {

constexpr std::array<const char*, 5> kChaves{"RevalidacaoSenhaCartaoINSS", "TransferenciaEntreContas",
                                             "DemonstrativoCreditoBeneficios", "PedidoCartaoDebito",
                                             "CartaoPrePago"};

} // namespace

TFrmOutrasFuncoes_Mnu::TFrmOutrasFuncoes_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QStringLiteral("FrmOutrasFuncoes_Mnu")) {
    LigaOpcoes(this, {&TFrmOutrasFuncoes_Mnu::spOpcao1Click, &TFrmOutrasFuncoes_Mnu::spOpcao2Click,
                      &TFrmOutrasFuncoes_Mnu::spOpcao3Click, &TFrmOutrasFuncoes_Mnu::spOpcao4Click,
                      &TFrmOutrasFuncoes_Mnu::spOpcao5Click});
}

void TFrmOutrasFuncoes_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QStringLiteral("OUTRAS FUNÇÕES"));
    DefineOpcoes({"Revalidação Senha Cartao INSS", "Transferência entre Contas",
                  "Demonstrativo Crédito Benefícios", "Pedido de Cartão de Débito", "Cartão Pré-Pago"});
}

void TFrmOutrasFuncoes_Mnu::VerificaOpcoesHabilitadas() {
    const ConfiguracaoMenu chave;
    for (int i = 0; i < 5; ++i)
        HabilitaOpcao(i + 1, chave(kChaves[static_cast<size_t>(i)]) && !Lumomain::TrnCNC);
}

void TFrmOutrasFuncoes_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(QString::fromUtf8(msg::MsgMenuOutrasFuncoes));
}

bool VerificaBotaoOutrasFuncoesHabilitadas() {
    if (Lumomain::TrnCNC) return false;
    const ConfiguracaoMenu chave;
    for (const char* c : kChaves) {
        if (chave(c)) return true;
    }
    return false;
}

void TFrmOutrasFuncoes_Mnu::spOpcao1Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaGrupo(this, "3")) return;
    Lumomain::TrataVersaoVortaCB();
    if (!CriaExecutaForm(this, FrmRevSenhaINSS_Crt)) FalhaCriacao(this, "FrmRevSenhaINSS_Crt");
    ReabilitaSeContinua();
}

void TFrmOutrasFuncoes_Mnu::spOpcao2Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaGrupo(this, "1")) return;
    SalvaParametrosContaCartao();
    if (!ConfereBanco(this)) return;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaGrupo(this, "3")) return;
    Lumomain::TrataGravacao_SEQ_CB();
    Lumomain::RecuperaServicoAConsParam();
    if (!Lumomain::LeAnalisaCartaoCB(12, lbMensagem)) {
        Encerra(QStringLiteral("FF"), QString::fromUtf8(msg::ErroOperacaoCancelada));
        return;
    }
    // The query and the effective transfer are dialogs of their own, still to come; their stand-ins end with
    // a modal result, so the call closes as it will after them.
    AbreSubstituto(this, "TFrmCnsTransf_DdCta");
    int codigo = host::LeCampoInteiro(1009, 0, 255);
    if (EncerraAposDialogo(this, codigo)) Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    if (codigo == 0) {
        AbreSubstituto(this, "TFrmEfetTransf");
        codigo = host::LeCampoInteiro(1009, 0, 255);
        if (EncerraAposDialogo(this, codigo)) Lumomain::FechaPinpadFechaFormGravaArquivo(this);
    }
    ServicosCartao::FechaPinpad();
    ReabilitaSeContinua();
}

void TFrmOutrasFuncoes_Mnu::spOpcao3Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaGrupo(this, "1")) return;
    Lumomain::SalvaDPCHIP();
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaGrupo(this, "3")) return;
    Lumomain::SalvaServicoAConsParam();
    if (!CriaExecutaForm(this, FrmCnsDtDemDsp)) FalhaCriacao(this, "FrmCnsDtDemDsp");
    ReabilitaSeContinua();
}

void TFrmOutrasFuncoes_Mnu::spOpcao4Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaGrupo(this, "1")) return;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaGrupo(this, "3")) return;
    if (!CriaExecutaForm(this, FrmPedCrtDeb)) FalhaCriacao(this, "FrmPedCrtDeb");
    ReabilitaSeContinua();
}

void TFrmOutrasFuncoes_Mnu::spOpcao5Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaGrupo(this, "1")) return;
    SalvaParametrosGrupo1();
    if (!CarregaGrupo(this, "7")) return;
    if (!CriaExecutaForm(this, FrmCartaoPrePagoGrupo7_Mnu)) FalhaCriacao(this, "FrmCartaoPrePagoGrupo7_Mnu");
    ReabilitaSeContinua();
}
