#include "cash/Menusaque.h"

#include "cash/Saquebeneficioinss.h"
#include "cash/Saquecartaomagnetico.h"
#include "cash/Saquecheque.h"
#include "cash/Saquecomreciboretirada.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>

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

namespace {

// The withdrawal code of the transaction-mode record and the benefit account of the withdrawal record.
bool OferecidaPeloModo(int opcao, bool) {
    return Menusaque::OpcaoHabilitada(
        opcao, Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(36, 3, -1),
        Lumomain::ServicoHzinho_TipoContaAceitaSaque.texto(27, 1) == QLatin1String("1"));
}

using M = TFrmSaque_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoBeneficioINSS, {}, OferecidaPeloModo, &M::spOpcao1Click},
    {msg::OpcaoSaqueCartaoMagnetico, {}, OferecidaPeloModo, &M::spOpcao2Click},
    {msg::OpcaoSaqueCheque, {}, OferecidaPeloModo, &M::spOpcao3Click},
    {msg::OpcaoReciboRetirada, {}, OferecidaPeloModo, &M::spOpcao4Click},
};

} // namespace

TFrmSaque_Mnu::TFrmSaque_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloMenuSaque, kOpcoes, msg::MsgSelecioneOpcaoSaque) {}

bool TFrmSaque_Mnu::LeCartao() {
    if (Lumomain::LeAnalisaCartaoCB(TIPO_LEITURA_SAQUE, lbMensagem)) return true;
    Encerra(QStringLiteral("FF"), QString::fromUtf8(msg::ErroOperacaoCancelada));
    return false;
}

bool TFrmSaque_Mnu::spOpcao1Click() {
    Lumomain::TrataGravacao_SEQ_CB();
    host::GravaCampoString(10107, 0, QLatin1String(MODO_CARTAO_INSS));
    Lumomain::RecuperaServicoAConsParam();
    if (!LeCartao()) return false;
    Lumomain::RecuperaServicoHzinho_21_Informacoes_Gerais_CB();
    AbreFormulario(FrmSaque_INSS);
    return true;
}

bool TFrmSaque_Mnu::spOpcao2Click() {
    Lumomain::TrataGravacao_SEQ_CB();
    Lumomain::RecuperaServicoAConsParam();
    if (!LeCartao()) return false;
    AbreFormulario(FrmSaque_CMag);
    return true;
}

bool TFrmSaque_Mnu::spOpcao3Click() {
    AbreFormulario(FrmSaque_Chq);
    return true;
}

bool TFrmSaque_Mnu::spOpcao4Click() {
    AbreFormulario(FrmSaque_ReciboRetirada);
    return true;
}
