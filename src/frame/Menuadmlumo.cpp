#include "frame/Menuadmlumo.h"

#include "frame/Lumomain.h"
#include "frame/Selecionadorcbfininvest.h"
#include "host/Host.h"
#include "host/IniFile.h"
#include "resources/Mensagens.h"

TFrmADM_Mnu* FrmADM_Mnu = nullptr;

TFrmADM_Mnu::TFrmADM_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmADM_Mnu")) {
    LigaOpcao(1, [this] { spOpcao1Click(); });
    LigaOpcao(2, [this] { spOpcao2Click(); });
    for (int i = 3; i <= 5; ++i) {
        LigaOpcao(i, [this] {
            if (OperadorValidado()) OpcaoNaoDisponivel();
        });
    }
}

void TFrmADM_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QStringLiteral("Opções Administrativas"));
    static const char* const opcoes[] = {"Operações Bancárias", "Reimpressão", "Fechamento de Repasse",
                                         "Abertura de Conta", "Manutenção Cesta Serviços"};
    for (int i = 0; i < 5; ++i) DefineOpcao(i + 1, QString::fromUtf8(opcoes[i]));
}

void TFrmADM_Mnu::VerificaOpcoesHabilitadas() {
    const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("ClienteTrn.ini")));
    const QString secao = QStringLiteral("CorrespondenteBancario");
    const bool cnc = Lumomain::TrnCNC;
    HabilitaOpcao(1, true);
    HabilitaOpcao(2, cnc); // reprint belongs to the cancellation mode
    HabilitaOpcao(3, ini.LeBool(secao, QStringLiteral("FechamentoRepasse"), false) && !cnc);
    HabilitaOpcao(4, ini.LeBool(secao, QStringLiteral("AberturaConta"), false) && !cnc);
    HabilitaOpcao(5, ini.LeBool(secao, QStringLiteral("AlteracaoCestaServicos"), false) && !cnc);
}

bool TFrmADM_Mnu::OperadorValidado() {
    HabilitaDesabilitaBotoes(false);
    if (host::ValidarOperador(Lumomain::JanelaAplicacao(), "2")) return true;
    HabilitaDesabilitaBotoes(true);
    return false;
}

void TFrmADM_Mnu::spOpcao1Click() {
    HabilitaDesabilitaBotoes(false);
    if (!CriaExecutaForm<TFrmSel_Mnu>(this, FrmSel_Mnu))
        Lumomain::MostraMensagem(Lumomain::Icone::Erro,
                                 QString::fromUtf8(msg::ErroCriaFormulario).arg(QStringLiteral("FrmSel_Mnu")), this);
    ReabilitaSeContinua();
}

void TFrmADM_Mnu::spOpcao2Click() {
    if (!OperadorValidado()) return;
    // The reprint follows the group of the last parameter load; any other group has nothing to reprint.
    if (Lumomain::GrupoPagto == QLatin1String("1") || Lumomain::GrupoPagto == QLatin1String("2"))
        OpcaoNaoDisponivel();
    else
        ReabilitaSeContinua();
}

void TFrmADM_Mnu::OpcaoNaoDisponivel() { TransacaoNaoHabilitada(); }
