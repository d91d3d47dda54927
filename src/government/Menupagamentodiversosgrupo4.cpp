#include "government/Menupagamentodiversosgrupo4.h"

#include "government/Menuformaspagtogrupo4.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

TFrmPagtoDivGrupo4_Mnu* FrmPagtoDivGrupo4_Mnu = nullptr;

using namespace Menumodelolumo;

namespace {

using M = TFrmPagtoDivGrupo4_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {msg::OpcaoDarfPreto, "PagamentoDARFPreto", QualquerModo, &M::spOpcao1Click},
    {msg::OpcaoDarfSimples, "PagamentoDARFSimples", QualquerModo, &M::spOpcao2Click},
    {msg::OpcaoGPS, "PagamentoGPS", QualquerModo, &M::spOpcao3Click},
};

} // namespace

TFrmPagtoDivGrupo4_Mnu::TFrmPagtoDivGrupo4_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloMenuPagamentoDiversos, kOpcoes, msg::MsgTipoPagamento) {}

// The document kind goes to 10232 before its menu: every form after it reads the kind from there.
bool TFrmPagtoDivGrupo4_Mnu::spOpcao1Click() {
    if (!host::Grava(10232, QStringLiteral("1"))) return false;
    AbreFormulario(FrmPagtoGrupo4DarfPreto_Mnu);
    return true;
}

bool TFrmPagtoDivGrupo4_Mnu::spOpcao2Click() {
    if (!host::Grava(10232, QStringLiteral("2"))) return false;
    AbreFormulario(FrmPagtoGrupo4DarfSimples_Mnu);
    return true;
}

bool TFrmPagtoDivGrupo4_Mnu::spOpcao3Click() {
    if (!host::Grava(10232, QStringLiteral("3"))) return false;
    AbreFormulario(FrmPagtoGrupo4GPS_Mnu);
    return true;
}
