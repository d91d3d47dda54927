#include "frame/Menuadmlumo.h"

#include "frame/Lumomain.h"
#include "frame/Selecionadorcbfininvest.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

TFrmADM_Mnu* FrmADM_Mnu = nullptr;

TFrmADM_Mnu::TFrmADM_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmADM_Mnu")) {
    LigaOpcao(1, [this] { spOpcao1Click(); });
    LigaOpcao(2, [this] { spOpcao2Click(); });
    for (int i = 3; i <= 5; ++i) {
        LigaOpcao(i, [this] {
            if (OperadorValidado()) TransacaoNaoHabilitada();
        });
    }
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
    if (Lumomain::GrupoPagto == QLatin1String("1") || Lumomain::GrupoPagto == QLatin1String("2"))
        TransacaoNaoHabilitada();
    else
        ReabilitaSeContinua();
}
