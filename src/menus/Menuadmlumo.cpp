#include "menus/Menuadmlumo.h"

#include "frame/Fabricas.h"

#include "admin/Alteracaocestaservicos.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "menus/Selecionadorcbfininvest.h"
#include "payment/Reimpressaofininvesttrn.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

TFrmADM_Mnu* FrmADM_Mnu = nullptr;
CB_FABRICA(TFrmADM_Mnu);

using namespace MenusEntrada;

TFrmADM_Mnu::TFrmADM_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmADM_Mnu")) {
    LigaOpcoes(this, {&TFrmADM_Mnu::spOpcao1Click, &TFrmADM_Mnu::spOpcao2Click, &TFrmADM_Mnu::spOpcao3Click,
                      &TFrmADM_Mnu::spOpcao4Click, &TFrmADM_Mnu::spOpcao5Click});
}

void TFrmADM_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QStringLiteral("Opções Administrativas"));
    DefineOpcoes({"Operações Bancárias", "Reimpressão", "Fechamento de Repasse", "Abertura de Conta",
                  "Manutenção Cesta Serviços"});
}

void TFrmADM_Mnu::VerificaOpcoesHabilitadas() {
    const ConfiguracaoMenu chave;
    const bool cnc = Lumomain::TrnCNC;
    HabilitaOpcao(1, true);
    HabilitaOpcao(2, cnc); // reprint belongs to the cancellation mode
    HabilitaOpcao(3, chave("FechamentoRepasse") && !cnc);
    HabilitaOpcao(4, chave("AberturaConta") && !cnc);
    HabilitaOpcao(5, chave("AlteracaoCestaServicos") && !cnc);
}

bool TFrmADM_Mnu::OperadorValidado() {
    HabilitaDesabilitaBotoes(false);
    if (host::ValidarOperador(Lumomain::JanelaAplicacao(), "2")) return true;
    HabilitaDesabilitaBotoes(true);
    return false;
}

void TFrmADM_Mnu::spOpcao1Click() {
    AbreFormulario(FrmSel_Mnu, "FrmSel_Mnu");
}

void TFrmADM_Mnu::spOpcao2Click() {
    if (!OperadorValidado()) return;
    // The reprint follows the group of the last parameter load; any other group has nothing to reprint.
    if (Lumomain::GrupoPagto == QLatin1String("1")) {
        AbreSubstituto(this, "TFrmRei_Trn");
    } else if (Lumomain::GrupoPagto == QLatin1String("2")) {
        if (!CriaExecutaForm(this, FrmRFN_Trn)) FalhaCriacao(this, "FrmRFN_Trn");
    }
    ReabilitaSeContinua();
}

void TFrmADM_Mnu::spOpcao3Click() {
    if (!OperadorValidado()) return;
    if (!CarregaGrupo(this, "1")) return;
    if (Lumomain::InformacoesFechamentoRepasse.texto(25, 1) == QLatin1String("0")) {
        TransacaoNaoHabilitada();
        return;
    }
    AbreSubstituto(this, "TFrmFech_Rep");
    ReabilitaSeContinua();
}

void TFrmADM_Mnu::spOpcao4Click() {
    if (!OperadorValidado()) return;
    if (!CarregaGrupo(this, "1")) return;
    if (!ConfereBanco(this)) return;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    AbreSubstituto(this, "TFrmCnsDdCad_DdCta");
    ReabilitaSeContinua();
}

void TFrmADM_Mnu::spOpcao5Click() {
    if (!OperadorValidado()) return;
    if (!CarregaGrupo(this, "1")) return;
    if (!ConfereBanco(this)) return;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    Lumomain::SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
    if (!CarregaGrupo(this, "5")) return;
    // Bit 0 or bit 1 of the basket code: the basket may be changed.
    if ((Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(57, 3, 0) & 3) == 0) {
        TransacaoNaoHabilitada();
        return;
    }
    Lumomain::SalvaServicoAConsParam();
    if (!CriaExecutaForm(this, FrmAltCstSrv)) FalhaCriacao(this, "FrmAltCstSrv");
    ReabilitaSeContinua();
}
