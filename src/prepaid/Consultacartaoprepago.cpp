#include "prepaid/Consultacartaoprepago.h"

#include "frame/Lumomain.h"
#include "frame/Menumodelolumo.h"
#include "frame/Selecionadorcbfininvest.h"
#include "host/Host.h"
#include "prepaid/Consultaextratocartaoprepago.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QTimer>

#include <memory>

TFrmCnsCartaoPrePago* FrmCnsCartaoPrePago = nullptr;

namespace {

using host::Grava;
using msg::Texto;

constexpr char REDE_CARTAO_PREPAGO[] = "805";
constexpr char OPERACAO_SALDO[] = "12";

} // namespace

TFrmCnsCartaoPrePago::TFrmCnsCartaoPrePago(QWidget* pai)
    : TFrmMod(pai, QStringLiteral("FrmCnsCartaoPrePago")) {
    lbAviso = new QLabel(this);
    lbAviso->setObjectName(QStringLiteral("lbAviso"));
    lbAviso->setGeometry(61, 170, 500, 40);
    lbAviso->setAlignment(Qt::AlignCenter);
    TClique = CriaClique([this] { ConsultaSaldo(); });
}

bool TFrmCnsCartaoPrePago::FormCreate() {
    if (!TFrmMod::FormCreate()) return false;
    DefineTitulo(Texto(msg::TituloConsultaSaldoCartaoPrePago));
    lbAviso->setText(Texto(msg::InfoAlertaConsultaSaldoCartaoPrePago));
    Descritor = &Tabelatrn::TrnConsultaSaldoCartaoPrePago;
    return true;
}

void TFrmCnsCartaoPrePago::FormShow() {
    TFrmMod::FormShow();
    // A window manager may never activate a window it did not open itself: showing is enough to start.
    IniciaConsulta();
}

void TFrmCnsCartaoPrePago::FormActivate() {
    TFrmMod::FormActivate();
    IniciaConsulta();
}

void TFrmCnsCartaoPrePago::IniciaConsulta() {
    // The PIN pad's boxes reactivate the dialog when they go: the query runs only once.
    if (iniciou_) return;
    iniciou_ = true;
    TClique->start();
}

void TFrmCnsCartaoPrePago::ConsultaSaldo() {
    if (ModalResult() != mrNone) return;
    if (!Lumomain::LeAnalisaCartaoCB(Consultacartaoprepago::TIPO_CARTAO_PREPAGO, lbMensagem)) {
        Grava(1027, Texto(msg::ErroOperacaoCancelada));
        Grava(1009, QStringLiteral("FF"));
        setModalResult(mrOk);
        return;
    }
    // The card read left the correspondent PIN pad open: the PIN is taken on it as it is. A refusal there
    // has its reason in the result fields already.
    if (!Lumomain::LeSenhaCB(false, lbTitulo->text(), Consultacartaoprepago::TIPO_CARTAO_PREPAGO, lbMensagem,
                             {})) {
        setModalResult(mrOk);
        return;
    }
    if (Grava(10112, QLatin1String(REDE_CARTAO_PREPAGO)) && Grava(10158, QLatin1String(OPERACAO_SALDO))) {
        DefineMensagem(Texto(msg::MsgEmProcessamento));
        Lumomain::ProcessaMensagens();
        host::AutorizaTransacao(*Descritor, lbMensagem, 0);
    } else {
        // The parameter load's approval is still in 1009: the host must not take it for the query's.
        Grava(1009, QStringLiteral("255"));
        Grava(1027, Texto(msg::ErroOperacaoCancelada));
    }
    setModalResult(mrOk);
}

namespace Consultacartaoprepago {

void ExecutaConsultaSaldo(TFrmMnu_Mod* menu) {
    FrmCnsCartaoPrePago = TFrmMod::Cria<TFrmCnsCartaoPrePago>(menu);
    if (!FrmCnsCartaoPrePago) {
        MenusEntrada::FalhaCriacao(menu, "FrmCnsCartaoPrePago");
        Lumomain::ReportaFalha(
            Lumomain::Formata(msg::ErroCriaFormulario, {QStringLiteral("FrmCnsCartaoPrePago")}));
        menu->setModalResult(TFrmMod::mrOk);
        return;
    }
    // Closed before the query went out (Esc while the notice was up): the operator gave up.
    if (FrmCnsCartaoPrePago->Executa() != TFrmMod::mrOk) {
        Grava(1027, Texto(msg::ErroOperacaoCancelada));
        Grava(1009, QStringLiteral("FF"));
    }
    FrmCnsCartaoPrePago->hide();
    delete FrmCnsCartaoPrePago;
    FrmCnsCartaoPrePago = nullptr;
    Lumomain::ProcessaMensagens();
    host::GravaArquivo();
    menu->setModalResult(TFrmMod::mrOk);
}

void ExecutaConsultaExtrato(TFrmMnu_Mod* menu) {
    // Return leaves the menu's modal result at 0, and the menu brings its options back; a statement that
    // went out closed the chain.
    if (!CriaExecutaForm(menu, FrmCnsExtratoCrtPrePago))
        MenusEntrada::FalhaCriacao(menu, "FrmCnsExtratoCrtPrePago");
}

} // namespace Consultacartaoprepago
