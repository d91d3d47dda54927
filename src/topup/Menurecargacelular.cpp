#include "topup/Menurecargacelular.h"

#include "resources/Mensagens.h"
#include "topup/Consultafiliaisbradesco.h"
#include "topup/Consultafiliaisgxs.h"
#include "topup/Consultafiliaishsbc.h"

TFrmRecCel_Mnu* FrmRecCel_Mnu = nullptr;

using namespace Menumodelolumo;

namespace {

using M = TFrmRecCel_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {msg::OpcaoRecargaBradesco, "RecargaCelularBradesco", ForaCNC, &M::spOpcao1Click},
    {msg::OpcaoRecargaCorbanOS, {"RecargaCelularHSBC", "RecargaCelularCorbanOS"}, ForaCNC, &M::spOpcao2Click},
    {msg::OpcaoRecargaGXS, "RecargaCelularGXS", ForaCNC, &M::spOpcao3Click},
};

} // namespace

TFrmRecCel_Mnu::TFrmRecCel_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloRecargaCelular, kOpcoes) {}

bool TFrmRecCel_Mnu::AlgumaRedeOferecida() {
    return AlgumaOferecida(kOpcoes);
}

bool TFrmRecCel_Mnu::spOpcao1Click() {
    AbreFormulario(FrmConsFiliaisBrad);
    return true;
}

bool TFrmRecCel_Mnu::spOpcao2Click() {
    AbreFormulario(FrmConsFiliaisHSBC);
    return true;
}

bool TFrmRecCel_Mnu::spOpcao3Click() {
    AbreFormulario(FrmConsFiliaisGXS);
    return true;
}
