#include "menus/Menuconsultas.h"

#include "menus/Selecionadorcbfininvest.h"
#include "protocol/ServicosResposta.h"
#include "queries/Menuconsultabeneficioinss.h"
#include "queries/Menuconsultaextrato.h"
#include "queries/Menuconsultasaldo.h"
#include "resources/Mensagens.h"

TFrmConsultas_Mnu* FrmConsultas_Mnu = nullptr;

using namespace Menumodelolumo;
using namespace MenusEntrada;

namespace {

using M = TFrmConsultas_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {"Consulta Saldo", "ConsultaSaldoCB", ForaCNC, &M::spOpcao1Click},
    {"Consulta Extrato", "ConsultaExtratoCB", ForaCNC, &M::spOpcao2Click},
    {"Consl Benef INSS", "ConsultaBeneficioINSS", ForaCNC, &M::spOpcao3Click},
};

// Whether the group-3 parameters offer a balance or statement query. A transaction-mode record gives the
// query a three-digit code that must be above 0; without one, the account-data collection record must ask for
// the account by at least one of its two flags.
bool ConsultaPermitida(size_t offModo, size_t offColeta1, size_t offColeta2) {
    const auto& modo = Lumomain::ServicoHzinho_25_InformacaoModoTransacao;
    if (modo.texto(0, 2) == QLatin1String("25")) return modo.inteiro(offModo, 3, 0) > 0;
    const auto& coleta = Lumomain::ServicoHzinho_Coleta_Dados_Conta;
    return coleta.texto(offColeta1, 1) == QLatin1String("1") ||
           coleta.texto(offColeta2, 1) == QLatin1String("1");
}

} // namespace

TFrmConsultas_Mnu::TFrmConsultas_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), "CONSULTAS", kOpcoes, msg::MsgMenuConsultas) {}

bool TFrmConsultas_Mnu::CarregaParametrosConta() {
    if (!CarregaGrupo(this, "1")) return false;
    if (!ConfereBanco(this)) return false;
    TrataDadosColetadoServicoHzinho_Informacoes_Gerais_CB();
    return CarregaGrupo(this, "3");
}

bool TFrmConsultas_Mnu::spOpcao1Click() {
    if (!CarregaParametrosConta()) return false;
    if (!ConsultaPermitida(27, 25, 26)) return TransacaoNaoHabilitada();
    AbreFormulario(FrmCnsSld_Mnu);
    return true;
}

bool TFrmConsultas_Mnu::spOpcao2Click() {
    if (!CarregaGrupo(this, "3")) return false;
    if (!ConsultaPermitida(30, 29, 30)) return TransacaoNaoHabilitada();
    AbreFormulario(FrmCnsExtrato_Mnu);
    return true;
}

bool TFrmConsultas_Mnu::spOpcao3Click() {
    if (!CarregaParametrosConta()) return false;
    // Bit 0 or bit 1 of the INSS code: one of the benefit queries is offered.
    if ((Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(63, 3, 0) & 3) == 0)
        return TransacaoNaoHabilitada();
    AbreFormulario(FrmCnsBnINSS_Mnu);
    return true;
}
