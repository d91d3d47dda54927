#include "prepaid/Consultacartaoprepago.h"

#include "frame/Lumomain.h"
#include "frame/Menumodelolumo.h"
#include "frame/Passosmenu.h"
#include "host/Host.h"
#include "prepaid/Consultaextratocartaoprepago.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>

namespace {

using host::Grava;
using msg::Texto;

constexpr char REDE_CARTAO_PREPAGO[] = "805";
constexpr char OPERACAO_SALDO[] = "12";

} // namespace

TFrmCnsCartaoPrePago::TFrmCnsCartaoPrePago(QWidget* pai)
    : TFrmTrnCartaoPrePago_Mod(pai, QString(), msg::TituloConsultaSaldoCartaoPrePago,
                               msg::InfoAlertaConsultaSaldoCartaoPrePago,
                               &Tabelatrn::TrnConsultaSaldoCartaoPrePago) {}

bool TFrmCnsCartaoPrePago::GravaCamposHostlink() {
    constexpr int tipo = Consultacartaoprepago::TIPO_CARTAO_PREPAGO;
    if (!Lumomain::LeAnalisaCartaoCB(tipo, lbMensagem)) {
        Grava(1027, Texto(msg::ErroOperacaoCancelada));
        Grava(1009, QStringLiteral("FF"));
        return false;
    }
    // The card read left the correspondent PIN pad open: the PIN is taken on it as it is. A refusal there
    // has its reason in the result fields already.
    if (!Lumomain::LeSenhaCB(false, lbTitulo->text(), tipo, lbMensagem, {})) return false;
    if (TFrmTrnCartaoPrePago_Mod::GravaCamposHostlink() && Grava(10112, QLatin1String(REDE_CARTAO_PREPAGO)) &&
        Grava(10158, QLatin1String(OPERACAO_SALDO))) {
        DefineMensagem(Texto(msg::MsgEmProcessamento));
        return true;
    }
    // The parameter load's approval is still in 1009: the host must not take it for the query's.
    Grava(1009, QStringLiteral("255"));
    Grava(1027, Texto(msg::ErroOperacaoCancelada));
    return false;
}

void TFrmCnsCartaoPrePago::Cancela() {
    host::GravaArquivo();
}

namespace Consultacartaoprepago {

void ExecutaConsultaSaldo(TFrmMnu_Mod* menu) {
    // Closed before the query went out (Esc while the notice was up), the operator gave up; every step
    // after this overwrites it.
    Grava(1009, QStringLiteral("FF"));
    Grava(1027, Texto(msg::ErroOperacaoCancelada));
    // A query that did not go has already written the result file with its reason.
    if (TFrmTrnCartaoPrePago_Mod::ExecutaTransacaoForm<TFrmCnsCartaoPrePago>(
            QStringLiteral("FrmCnsCartaoPrePago")))
        host::GravaArquivo();
    menu->setModalResult(TFrmMod::mrOk);
}

void ExecutaConsultaExtrato(TFrmMnu_Mod* menu) {
    // Return leaves the menu's modal result at 0, and the menu brings its options back; a statement that
    // went out closed the chain.
    MenusEntrada::Abre(menu, FrmCnsExtratoCrtPrePago);
}

} // namespace Consultacartaoprepago
