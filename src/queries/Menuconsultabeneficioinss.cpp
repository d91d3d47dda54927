#include "queries/Menuconsultabeneficioinss.h"

#include "queries/Consultabeneficioinssagenciaconta.h"
#include "queries/Consultabeneficioinssnb.h"
#include "queries/Consultabeneficioinssnit.h"
#include "resources/Mensagens.h"

TFrmCnsBnINSS_Mnu* FrmCnsBnINSS_Mnu = nullptr;

namespace {

using M = TFrmCnsBnINSS_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoNB, {}, Menumodelolumo::QualquerModo, &M::spOpcao1Click},
    {msg::OpcaoNIT, {}, Menumodelolumo::QualquerModo, &M::spOpcao2Click},
    {msg::OpcaoAgenciaConta, {}, Menumodelolumo::QualquerModo, &M::spOpcao3Click},
};

} // namespace

TFrmCnsBnINSS_Mnu::TFrmCnsBnINSS_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloMenuConsultaBeneficioINSS, kOpcoes) {}

bool TFrmCnsBnINSS_Mnu::spOpcao1Click() {
    AbreFormulario(FrmCnsBnINSSNB);
    return true;
}

bool TFrmCnsBnINSS_Mnu::spOpcao2Click() {
    AbreFormulario(FrmCnsBnINSSNIT);
    return true;
}

bool TFrmCnsBnINSS_Mnu::spOpcao3Click() {
    AbreFormulario(FrmCnsBnINSSAgCt);
    return true;
}
