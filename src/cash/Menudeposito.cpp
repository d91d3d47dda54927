#include "cash/Menudeposito.h"

#include "cash/Cancelamentodeposito.h"
#include "cash/Depositodinheirocheque.h"
#include "cash/Depositodinheirochequeidentificado.h"
#include "frame/Passosmenu.h"
#include "resources/Mensagens.h"

using namespace MenusEntrada;

TFrmDeposito_Mnu* FrmDeposito_Mnu = nullptr;

namespace {

using M = TFrmDeposito_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoDeposito, {"Deposito"}, Menumodelolumo::QualquerModo, &M::spOpcao1Click},
    {msg::OpcaoDepositoIdentificado,
     {"DepositoIdentificado"},
     Menumodelolumo::QualquerModo,
     &M::spOpcao2Click},
};

} // namespace

TFrmDeposito_Mnu::TFrmDeposito_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloDeposito, kOpcoes, msg::MsgTipoDeposito) {}

bool TFrmDeposito_Mnu::CarregaVerificaDeposito() {
    if (!CarregaGrupo(this, "3")) return false;
    if (Depositodinheirocheque::DepositoHabilitado()) return true;
    return TransacaoNaoHabilitada();
}

bool TFrmDeposito_Mnu::spOpcao1Click() {
    if (!CarregaVerificaDeposito()) return false;
    if (Lumomain::TrnCNC)
        AbreFormulario(FrmCancDep_Trn);
    else
        AbreFormulario(FrmDinChq_Dep);
    return true;
}

bool TFrmDeposito_Mnu::spOpcao2Click() {
    if (!CarregaGrupo(this, "1") || !ConfereBanco(this)) return false;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    if (!CarregaVerificaDeposito()) return false;
    if (Lumomain::TrnCNC)
        AbreFormulario(FrmCancDep_Trn);
    else
        AbreFormulario(FrmDinChqIdentificado_Dep);
    return true;
}
