#include "government/Menuformaspagtogrupo4.h"

#include "government/Cancelamentopagamentodiversosgrupo4_cheque.h"
#include "government/Cancelamentopagamentodiversosgrupo4_debcb.h"
#include "government/Cancelamentopagamentodiversosgrupo4_din.h"
#include "government/Pagtoemcartaodebitodarfpretogrupo4.h"
#include "government/Pagtoemcartaodebitodarfsimplesgrupo4.h"
#include "government/Pagtoemcartaodebitogpsgrupo4.h"
#include "government/Pagtoemchequedarfpretogrupo4.h"
#include "government/Pagtoemchequedarfsimplesgrupo4.h"
#include "government/Pagtoemchequegpsgrupo4.h"
#include "government/Pagtoemdinheirodarfpretogrupo4.h"
#include "government/Pagtoemdinheirodarfsimplesgrupo4.h"
#include "government/Pagtoemdinheirogpsgrupo4.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>

TFrmPagtoGrupo4DarfPreto_Mnu* FrmPagtoGrupo4DarfPreto_Mnu = nullptr;
TFrmPagtoGrupo4DarfSimples_Mnu* FrmPagtoGrupo4DarfSimples_Mnu = nullptr;
TFrmPagtoGrupo4GPS_Mnu* FrmPagtoGrupo4GPS_Mnu = nullptr;

using namespace Menumodelolumo;
using host::Grava;

namespace {

// Card reads of these menus: the company's debit (its record of authorised forms of payment), or the
// withdrawal's record for an administrative payment.
constexpr int TIPO_LEITURA_DEBITO = 7;
constexpr int TIPO_LEITURA_ADM = 1;

// The debit is offered by the payment record, or failing that by the company's forms of payment.
bool DebitoOferecido(int, bool) {
    return Lumomain::ServicoHzinho_Pagamento.texto(27, 1) == QLatin1String("1") ||
           Lumomain::ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa.texto(30, 1) == QLatin1String("1");
}

bool Sempre(int, bool) {
    return true;
}

bool Cancelamento() {
    return Lumomain::TrnADM && Lumomain::TrnCNC;
}

using M = TFrmPagtoGrupo4Formas_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {msg::OpcaoDinheiro, {}, Sempre, &M::spOpcao1Click},
    {msg::OpcaoCheque, {}, Sempre, &M::spOpcao2Click},
    {msg::OpcaoDebito, {}, DebitoOferecido, &M::spOpcao3Click},
};

} // namespace

TFrmPagtoGrupo4Formas_Mnu::TFrmPagtoGrupo4Formas_Mnu(QWidget* pai, const QString& nome, int tipo)
    : TFrmMnu_Mod(pai, nome, msg::TituloFormasPagamento, kOpcoes, msg::MsgFormaPagamento), tipo_(tipo) {}

void TFrmPagtoGrupo4Formas_Mnu::IniciaFormularioMenu() {
    TFrmMnu_Mod::IniciaFormularioMenu();
    // The debit carries the name of the company's card, without the record's padding.
    DefineOpcao(3, Lumomain::ServicoHzinho_28_FormaPagamentoAutorizadasEmpresa.texto(2, 20).trimmed() +
                       QLatin1Char(' ') + msg::Texto(msg::OpcaoDebito));
}

void TFrmPagtoGrupo4Formas_Mnu::AbrePagamento(int forma) {
    switch (tipo_ * 3 + forma) {
    case 3:
        AbreFormulario(FrmPgtGrupo4DarfPreto_Din);
        break;
    case 4:
        AbreFormulario(FrmPgtGrupo4DarfPreto_Chq);
        break;
    case 5:
        AbreFormulario(FrmPgtGrupo4DarfPreto_Crt);
        break;
    case 6:
        AbreFormulario(FrmPgtGrupo4DarfSimples_Din);
        break;
    case 7:
        AbreFormulario(FrmPgtGrupo4DarfSimples_Chq);
        break;
    case 8:
        AbreFormulario(FrmPgtGrupo4DarfSimples_Crt);
        break;
    case 9:
        AbreFormulario(FrmPgtGrupo4Gps_Din);
        break;
    case 10:
        AbreFormulario(FrmPgtGrupo4Gps_Chq);
        break;
    default:
        AbreFormulario(FrmPgtGrupo4Gps_Crt);
        break;
    }
}

bool TFrmPagtoGrupo4Formas_Mnu::spOpcao1Click() {
    if (!Cancelamento()) {
        AbrePagamento(0);
        return true;
    }
    if (!Grava(10158, QStringLiteral("48"))) return false;
    AbreFormulario(FrmCancPagtoDiv_Din);
    return true;
}

bool TFrmPagtoGrupo4Formas_Mnu::spOpcao2Click() {
    if (!Cancelamento()) {
        AbrePagamento(1);
        return true;
    }
    if (!Grava(10158, QStringLiteral("49"))) return false;
    AbreFormulario(FrmCancPagtoDiv_Chq);
    return true;
}

bool TFrmPagtoGrupo4Formas_Mnu::spOpcao3Click() {
    const bool cancela = Cancelamento();
    if (cancela && !Grava(10158, QStringLiteral("50"))) return false;
    const int leitura = Lumomain::TrnADM && !cancela ? TIPO_LEITURA_ADM : TIPO_LEITURA_DEBITO;
    if (!Lumomain::LeAnalisaCartaoCB(leitura, lbMensagem)) {
        Encerra(QStringLiteral("FF"), msg::Texto(msg::ErroOperacaoCancelada));
        return false;
    }
    // The read leaves its own kind in 10232; the forms after it read the document's.
    if (!Grava(10232, QString::number(tipo_))) return false;
    if (cancela)
        AbreFormulario(FrmCancPagtoDiv_DebCB);
    else
        AbrePagamento(2);
    return true;
}

TFrmPagtoGrupo4DarfPreto_Mnu::TFrmPagtoGrupo4DarfPreto_Mnu(QWidget* pai)
    : TFrmPagtoGrupo4Formas_Mnu(pai, QString(), 1) {}

TFrmPagtoGrupo4DarfSimples_Mnu::TFrmPagtoGrupo4DarfSimples_Mnu(QWidget* pai)
    : TFrmPagtoGrupo4Formas_Mnu(pai, QString(), 2) {}

TFrmPagtoGrupo4GPS_Mnu::TFrmPagtoGrupo4GPS_Mnu(QWidget* pai) : TFrmPagtoGrupo4Formas_Mnu(pai, QString(), 3) {}
