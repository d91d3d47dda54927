#include "menus/Menuadmlumo.h"

#include "frame/Fabricas.h"

#include "admin/Alteracaocestaservicos.h"
#include "admin/Reimpressaolumo.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "menus/Selecionadorcbfininvest.h"
#include "payment/Fechamentorepasse.h"
#include "payment/Reimpressaofininvesttrn.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"
#include "services/Consultadadoscadastraisdadosconta.h"

TFrmADM_Mnu* FrmADM_Mnu = nullptr;
CB_FABRICA(TFrmADM_Mnu);

using namespace Menumodelolumo;
using namespace MenusEntrada;

namespace {

using M = TFrmADM_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {"Operações Bancárias", {}, QualquerModo, &M::spOpcao1Click},
    // The reprint belongs to the cancellation mode.
    {"Reimpressão", {}, SoCNC, &M::spOpcao2Click},
    {"Fechamento de Repasse", "FechamentoRepasse", ForaCNC, &M::spOpcao3Click},
    {"Abertura de Conta", "AberturaConta", ForaCNC, &M::spOpcao4Click},
    {"Manutenção Cesta Serviços", "AlteracaoCestaServicos", ForaCNC, &M::spOpcao5Click},
};

// Options 2 to 5 are for a supervisor.
bool OperadorValidado() {
    return host::ValidarOperador(Lumomain::JanelaAplicacao(), "2");
}

} // namespace

TFrmADM_Mnu::TFrmADM_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QString(), "Opções Administrativas", kOpcoes) {}

bool TFrmADM_Mnu::spOpcao1Click() {
    AbreFormulario(FrmSel_Mnu);
    return true;
}

bool TFrmADM_Mnu::spOpcao2Click() {
    if (!OperadorValidado()) return true;
    // The reprint follows the group of the last parameter load; any other group has nothing to reprint.
    if (Lumomain::GrupoPagto == QLatin1String("1"))
        AbreFormulario(FrmRei_Trn);
    else if (Lumomain::GrupoPagto == QLatin1String("2"))
        AbreFormulario(FrmRFN_Trn);
    return true;
}

bool TFrmADM_Mnu::spOpcao3Click() {
    if (!OperadorValidado()) return true;
    if (!CarregaGrupo(this, "1")) return false;
    if (Lumomain::InformacoesFechamentoRepasse.texto(25, 1) == QLatin1String("0"))
        return TransacaoNaoHabilitada();
    AbreFormulario(FrmFech_Rep);
    return true;
}

bool TFrmADM_Mnu::spOpcao4Click() {
    if (!OperadorValidado()) return true;
    if (!CarregaGrupo(this, "1") || !ConfereBanco(this)) return false;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    AbreFormulario(FrmCnsDdCad_DdCta);
    return true;
}

bool TFrmADM_Mnu::spOpcao5Click() {
    if (!OperadorValidado()) return true;
    if (!CarregaGrupo(this, "1") || !ConfereBanco(this)) return false;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    Lumomain::SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
    if (!CarregaGrupo(this, "5")) return false;
    // Bit 0 or bit 1 of the basket code: the basket may be changed.
    if ((Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(57, 3, 0) & 3) == 0)
        return TransacaoNaoHabilitada();
    Lumomain::SalvaServicoAConsParam();
    AbreFormulario(FrmAltCstSrv);
    return true;
}
