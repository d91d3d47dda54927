#include "cash/Menudeposito.h"

#include "cash/Cancelamentodeposito.h"
#include "cash/Depositodinheirocheque.h"
#include "frame/Fabricas.h"
#include "frame/Passosmenu.h"
#include "resources/Mensagens.h"

using namespace MenusEntrada;

TFrmDeposito_Mnu* FrmDeposito_Mnu = nullptr;
CB_FABRICA(TFrmDeposito_Mnu);

TFrmDeposito_Mnu::TFrmDeposito_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmDeposito_Mnu")) {
    LigaOpcoes(this, {&TFrmDeposito_Mnu::spOpcao1Click, &TFrmDeposito_Mnu::spOpcao2Click});
}

void TFrmDeposito_Mnu::IniciaFormularioMenu() {
    DefineTitulo(msg::Texto(msg::TituloDeposito));
    DefineOpcoes({msg::OpcaoDeposito, msg::OpcaoDepositoIdentificado});
}

void TFrmDeposito_Mnu::VerificaOpcoesHabilitadas() {
    const ConfiguracaoMenu chave;
    HabilitaOpcao(1, chave("Deposito"));
    HabilitaOpcao(2, chave("DepositoIdentificado"));
}

void TFrmDeposito_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(msg::Texto(msg::MsgTipoDeposito));
}

bool TFrmDeposito_Mnu::CarregaVerificaDeposito() {
    if (!CarregaGrupo(this, "3")) return false;
    if (Depositodinheirocheque::DepositoHabilitado()) return true;
    TransacaoNaoHabilitada();
    return false;
}

void TFrmDeposito_Mnu::spOpcao1Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaVerificaDeposito()) return;
    if (Lumomain::TrnCNC) {
        if (!CriaExecutaForm(this, FrmCancDep_Trn)) MensagemFalhaCriacao("FrmCancDep_Trn");
    } else if (!CriaExecutaForm(this, FrmDinChq_Dep)) {
        MensagemFalhaCriacao("FrmDinChq_Dep");
    }
    ReabilitaSeContinua();
}

void TFrmDeposito_Mnu::spOpcao2Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CarregaGrupo(this, "1") || !ConfereBanco(this)) return;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaVerificaDeposito()) return;
    if (!Lumomain::TrnCNC) {
        // The identified deposit's dialogs come later; until then its place is held.
        AbreSubstituto(this, "TFrmDinChqIdentificado_Dep");
    } else if (!CriaExecutaForm(this, FrmCancDep_Trn)) {
        MensagemFalhaCriacao("FrmCancDep_Trn");
    }
    ReabilitaSeContinua();
}
