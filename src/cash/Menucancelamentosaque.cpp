#include "cash/Menucancelamentosaque.h"

#include "cash/Cancelamentosaquebeneficioinss.h"
#include "cash/Cancelamentosaquecartaomagnetico.h"
#include "cash/Cancelamentosaquecheque.h"
#include "cash/Cancelamentosaquereciboretirada.h"
#include "cash/Menusaque.h"
#include "frame/Fabricas.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

TFrmCancSaque_Mnu* FrmCancSaque_Mnu = nullptr;
CB_FABRICA(TFrmCancSaque_Mnu);

TFrmCancSaque_Mnu::TFrmCancSaque_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmCancSaque_Mnu")) {
    LigaOpcoes(this, {&TFrmCancSaque_Mnu::spOpcao1Click, &TFrmCancSaque_Mnu::spOpcao2Click,
                      &TFrmCancSaque_Mnu::spOpcao3Click, &TFrmCancSaque_Mnu::spOpcao4Click});
}

void TFrmCancSaque_Mnu::IniciaFormularioMenu() {
    DefineTitulo(msg::Texto(msg::TituloMenuCancSaque));
    DefineOpcoes({msg::OpcaoBeneficioINSS, msg::OpcaoSaqueCheque, msg::OpcaoReciboRetirada,
                  msg::OpcaoSaqueCartaoMagnetico});
}

void TFrmCancSaque_Mnu::VerificaOpcoesHabilitadas() {
    const int modo = Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(36, 3, -1);
    const auto& saque = Lumomain::ServicoHzinho_TipoContaAceitaSaque;
    // The benefit card's withdrawal is cancelled here only off the correspondent's own network.
    HabilitaOpcao(1, saque.texto(27, 1) == QLatin1String("1") && saque.texto(22, 3) != QLatin1String("805"));
    // The withdrawal menu's mode bits, in this menu's order: cheque, receipt, card.
    HabilitaOpcao(2, Menusaque::OpcaoHabilitada(3, modo, false));
    HabilitaOpcao(3, Menusaque::OpcaoHabilitada(4, modo, false));
    HabilitaOpcao(4, Menusaque::OpcaoHabilitada(2, modo, false));
}

void TFrmCancSaque_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(msg::Texto(msg::MsgSelecioneOpcaoCancSaque));
}

void TFrmCancSaque_Mnu::spOpcao1Click() {
    HabilitaDesabilitaBotoes(false);
    if (!Lumomain::LeAnalisaCartaoCB(1, lbMensagem)) {
        Encerra(QStringLiteral("FF"), msg::Texto(msg::ErroOperacaoCancelada));
        return;
    }
    if (!CriaExecutaForm(this, FrmCancSaque_INSS)) MensagemFalhaCriacao("FrmCancSaque_INSS");
    ReabilitaSeContinua();
}

void TFrmCancSaque_Mnu::spOpcao2Click() {
    AbreFormulario(FrmCancSaque_Chq, "FrmCancSaque_Chq");
}

void TFrmCancSaque_Mnu::spOpcao3Click() {
    AbreFormulario(FrmCancSaque_RecRet, "FrmCancSaque_RecRet");
}

void TFrmCancSaque_Mnu::spOpcao4Click() {
    AbreFormulario(FrmCancSaque_CartMag, "FrmCancSaque_CartMag");
}
