#include "paguefacil/Menupagtogrupo6paguefacil.h"

#include "paguefacil/Menuconsultapaguefacil.h"
#include "paguefacil/Pagtoemdinheiropaguefacilgrupo6.h"
#include "resources/Mensagens.h"

TFrmPagtoGrupo6PagueFacil_Mnu* FrmPagtoGrupo6PagueFacil_Mnu = nullptr;

using namespace Menumodelolumo;

namespace {

// The debit is offered while the bank collects the customer's account some way: by card or typed.
bool DebitoOferecido(int, bool) {
    return PagueFacil::ColetaPorCartao() || PagueFacil::ColetaPorConta();
}

using M = TFrmPagtoGrupo6PagueFacil_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {msg::OpcaoDinheiro, {}, QualquerModo, &M::spOpcao1Click},
    {msg::OpcaoDebito, {}, DebitoOferecido, &M::spOpcao2Click},
};

} // namespace

TFrmPagtoGrupo6PagueFacil_Mnu::TFrmPagtoGrupo6PagueFacil_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloFormasPagamento, kOpcoes, msg::MsgFormaPagamento) {}

bool TFrmPagtoGrupo6PagueFacil_Mnu::spOpcao1Click() {
    AbreFormulario(FrmPgtGrupo6PagueFacil_Din);
    return true;
}

bool TFrmPagtoGrupo6PagueFacil_Mnu::spOpcao2Click() {
    AbreFormulario(FrmCnsPagueFacil_Mnu);
    return true;
}
