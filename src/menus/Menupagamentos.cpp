#include "menus/Menupagamentos.h"

#include "government/Menupagamentodiversosgrupo4.h"
#include "host/Host.h"
#include "menus/Selecionadorcbfininvest.h"
#include "payment/Consultacodigobarras.h"
#include "payment/Menucancelamentolumo.h"
#include "payment/Menufininvest.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"
#include "topup/Menurecargacelular.h"

TFrmPagtos_Mnu* FrmPagtos_Mnu = nullptr;

using namespace Menumodelolumo;
using namespace MenusEntrada;

namespace {

// Any of the top-up networks.
constexpr Chaves kRecarga{"RecargaCelularBradesco", "RecargaCelularHSBC", "RecargaCelularCorbanOS"};

using M = TFrmPagtos_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {"Pagto. Contas", {"PagamentoContas", true}, QualquerModo, &M::spOpcao1Click},
    {"Pag. Fininvest", {"PagamentoCBFininvest", true}, QualquerModo, &M::spOpcao2Click},
    {"Recarga Celular", kRecarga, ForaCNC, &M::spOpcao3Click},
    {"Pagto. Diversos", "PagamentoDiversosCB", QualquerModo, &M::spOpcao4Click},
    {"Pagto. Rede", "PagamentoCBRede", QualquerModo, &M::spOpcao5Click},
};

} // namespace

TFrmPagtos_Mnu::TFrmPagtos_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), "PAGAMENTOS", kOpcoes, msg::MsgTipoPagamento) {}

bool TFrmPagtos_Mnu::AbreConsultaContas() {
    if (host::GravaCampoString(10439, 0, QStringLiteral("1")) != 0) return false;
    host::GravaCampoString(10527, 0, QStringLiteral("1"));
    AbreFormulario(FrmCAP_CCB);
    // Back to the banking menu unless the bill chain closed the call.
    if (ModalResult() != mrOk) Volta();
    return true;
}

bool TFrmPagtos_Mnu::spOpcao1Click() {
    Lumomain::IndiceDadosAdicionais = 0;
    Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
    if (!CarregaGrupo(this, "1")) return false;
    Lumomain::SalvaServicoAConsParam();
    Lumomain::SalvaDPCHIP();
    if (!Lumomain::TrnCNC) return AbreConsultaContas();
    AbreFormulario(FrmCnc_Mnu);
    return true;
}

bool TFrmPagtos_Mnu::spOpcao2Click() {
    host::GravaCampoString(10527, 0, QStringLiteral("1"));
    AbreFormulario(FrmFin_Mnu);
    return true;
}

bool TFrmPagtos_Mnu::spOpcao3Click() {
    host::GravaCampoString(10527, 0, QStringLiteral("2"));
    if (!CarregaGrupo(this, "1")) return false;
    SalvaParametrosGrupo1();
    AbreFormulario(FrmRecCel_Mnu);
    return true;
}

bool TFrmPagtos_Mnu::spOpcao4Click() {
    host::GravaCampoString(10527, 0, QStringLiteral("1"));
    if (!CarregaGrupo(this, "1")) return false;
    SalvaParametrosGrupo1();
    if (!CarregaGrupo(this, "4")) return false;
    AbreFormulario(FrmPagtoDivGrupo4_Mnu);
    return true;
}

bool TFrmPagtos_Mnu::spOpcao5Click() {
    // Network payments take the parameters already loaded; the network code marks the request as such.
    Lumomain::GrupoPagto = QStringLiteral("1");
    Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
    host::GravaCampoString(10404, 0, QStringLiteral("1"));
    host::GravaCampoString(10447, 0, QStringLiteral("0"));
    if (host::GravaCampoString(10112, 0, QStringLiteral("005")) != 0) return false;
    if (Lumomain::TrnCNC) {
        Lumomain::Grava_Tipo_5_ServicoHzinho_Pagamento_Rede();
        AbreFormulario(FrmCnc_Mnu);
    } else if (!AbreConsultaContas()) {
        return false;
    }
    host::LimpaCampo(10404);
    host::LimpaCampo(10447);
    return true;
}
