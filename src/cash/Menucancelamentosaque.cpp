#include "cash/Menucancelamentosaque.h"

#include "cash/Cancelamentosaquebeneficioinss.h"
#include "cash/Cancelamentosaquecartaomagnetico.h"
#include "cash/Cancelamentosaquecheque.h"
#include "cash/Cancelamentosaquereciboretirada.h"
#include "cash/Menusaque.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>

TFrmCancSaque_Mnu* FrmCancSaque_Mnu = nullptr;

namespace {

// The benefit card's withdrawal is cancelled here only off the correspondent's own network; the others by
// the withdrawal menu's mode bits, in this menu's order: cheque, receipt, card.
bool Oferecida(int opcao, bool) {
    const auto& saque = Lumomain::ServicoHzinho_TipoContaAceitaSaque;
    if (opcao == 1)
        return saque.texto(27, 1) == QLatin1String("1") && saque.texto(22, 3) != QLatin1String("805");
    constexpr int kOpcaoNoMenuSaque[] = {0, 0, 3, 4, 2};
    return Menusaque::OpcaoHabilitada(kOpcaoNoMenuSaque[opcao],
                                      Lumomain::ServicoHzinho_25_InformacaoModoTransacao.inteiro(36, 3, -1),
                                      false);
}

using M = TFrmCancSaque_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoBeneficioINSS, {}, Oferecida, &M::spOpcao1Click},
    {msg::OpcaoSaqueCheque, {}, Oferecida, &M::spOpcao2Click},
    {msg::OpcaoReciboRetirada, {}, Oferecida, &M::spOpcao3Click},
    {msg::OpcaoSaqueCartaoMagnetico, {}, Oferecida, &M::spOpcao4Click},
};

} // namespace

TFrmCancSaque_Mnu::TFrmCancSaque_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloMenuCancSaque, kOpcoes, msg::MsgSelecioneOpcaoCancSaque) {}

bool TFrmCancSaque_Mnu::spOpcao1Click() {
    if (!Lumomain::LeAnalisaCartaoCB(1, lbMensagem)) {
        Encerra(QStringLiteral("FF"), msg::Texto(msg::ErroOperacaoCancelada));
        return false;
    }
    AbreFormulario(FrmCancSaque_INSS);
    return true;
}

bool TFrmCancSaque_Mnu::spOpcao2Click() {
    AbreFormulario(FrmCancSaque_Chq);
    return true;
}

bool TFrmCancSaque_Mnu::spOpcao3Click() {
    AbreFormulario(FrmCancSaque_RecRet);
    return true;
}

bool TFrmCancSaque_Mnu::spOpcao4Click() {
    AbreFormulario(FrmCancSaque_CartMag);
    return true;
}
