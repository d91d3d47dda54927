#include "cash/Menusaque.h"

#include "cash/Saquebeneficioinss.h"
#include "cash/Saquecartaomagnetico.h"
#include "cash/Saquecheque.h"
#include "cash/Saquecomreciboretirada.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

TFrmSaque_Mnu* FrmSaque_Mnu = nullptr;

namespace {

// Kind of the card reads of this menu (the parameter record whose network applies).
constexpr int TIPO_LEITURA_SAQUE = 1;
// Card kind the host's library expects in 10107 for the INSS benefit card.
constexpr char MODO_CARTAO_INSS[] = "14";

} // namespace

namespace Menusaque {

bool OpcaoHabilitada(int opcao, int modo, bool aceitaBeneficioINSS) {
    if (opcao == 1) return aceitaBeneficioINSS;
    if (opcao < 2 || opcao > 4) return false;
    return modo == -1 || (modo & (1 << (opcao - 1))) != 0;
}

} // namespace Menusaque

TFrmSaque_Mnu::TFrmSaque_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmSaque_Mnu")) {
    LigaOpcoes(this, {&TFrmSaque_Mnu::spOpcao1Click, &TFrmSaque_Mnu::spOpcao2Click,
                      &TFrmSaque_Mnu::spOpcao3Click, &TFrmSaque_Mnu::spOpcao4Click});
}

void TFrmSaque_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QString::fromUtf8(msg::TituloMenuSaque));
    DefineOpcoes({msg::OpcaoBeneficioINSS, msg::OpcaoSaqueCartaoMagnetico, msg::OpcaoSaqueCheque,
                  msg::OpcaoReciboRetirada});
}

void TFrmSaque_Mnu::VerificaOpcoesHabilitadas() {
    const int modo = Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(36, 3, -1);
    const bool inss = Lumomain::ServicoHzinho_TipoContaAceitaSaque.texto(27, 1) == QLatin1String("1");
    for (int opcao = 1; opcao <= 4; ++opcao)
        HabilitaOpcao(opcao, Menusaque::OpcaoHabilitada(opcao, modo, inss));
}

void TFrmSaque_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(QString::fromUtf8(msg::MsgSelecioneOpcaoSaque));
}

bool TFrmSaque_Mnu::LeCartao() {
    if (Lumomain::LeAnalisaCartaoCB(TIPO_LEITURA_SAQUE, lbMensagem)) return true;
    Encerra(QStringLiteral("FF"), QString::fromUtf8(msg::ErroOperacaoCancelada));
    return false;
}

void TFrmSaque_Mnu::spOpcao1Click() {
    HabilitaDesabilitaBotoes(false);
    Lumomain::TrataGravacao_SEQ_CB();
    host::GravaCampoString(10107, 0, QLatin1String(MODO_CARTAO_INSS));
    Lumomain::RecuperaServicoAConsParam();
    if (!LeCartao()) return;
    Lumomain::RecuperaServicoHzinho_21_Informacoes_Gerais_CB();
    if (!CriaExecutaForm(this, FrmSaque_INSS)) MensagemFalhaCriacao("FrmSaque_INSS");
    ReabilitaSeContinua();
}

void TFrmSaque_Mnu::spOpcao2Click() {
    HabilitaDesabilitaBotoes(false);
    Lumomain::TrataGravacao_SEQ_CB();
    Lumomain::RecuperaServicoAConsParam();
    if (!LeCartao()) return;
    if (!CriaExecutaForm(this, FrmSaque_CMag)) MensagemFalhaCriacao("FrmSaque_CMag");
    ReabilitaSeContinua();
}

void TFrmSaque_Mnu::spOpcao3Click() {
    AbreFormulario(FrmSaque_Chq, "FrmSaque_Chq");
}

void TFrmSaque_Mnu::spOpcao4Click() {
    AbreFormulario(FrmSaque_ReciboRetirada, "FrmSaque_ReciboRetirada");
}
