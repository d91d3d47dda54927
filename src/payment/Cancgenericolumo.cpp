#include "payment/Cancgenericolumo.h"

#include "protocol/Tabelatrn.h"

namespace Cancgenericolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancgenericolumo, TrnCancelamentoGenerico,
             Descritor(242, 1,
                       {B, K(""), F(1003), F(10164), F(10165), F(10166), F(10167), F(10168), F(10169).fmt(5),
                        F(10102), F(10301), F(10301, 1)}));
CB_DESCRITOR(Cancgenericolumo, TrnConsultaCancelamentoGenerico,
             Descritor(242, 0, {B, F(10102), F(10301), F(10301, 1)}));

} // namespace Cancgenericolumo

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using host::Grava;
using msg::Texto;

namespace {
// The host's card module: its cancellation and the two codes it passes through.
constexpr int FUNCAO_CANCELAMENTO_TEF = 3;
constexpr int CANCELAMENTO_TEF_A = 1;
constexpr int CANCELAMENTO_TEF_B = 0;
} // namespace

bool GravaDadosTrnCancelamentoTEF() {
    const QString venda = host::LeCampo(20010).left(39);
    if (venda.size() < 39) return false;
    for (const QChar c : venda)
        if (!c.isDigit()) return false;
    return Grava(1037, venda.mid(0, 4)) && Grava(10112, venda.mid(4, 3)) && Grava(1003, venda.mid(7, 12)) &&
           Grava(1013, venda.mid(19, 12)) && Grava(1020, venda.mid(31, 8)) &&
           Grava(10236, QStringLiteral("2"));
}

TFrmGen_Cnc* FrmGen_Cnc = nullptr;

TFrmGen_Cnc::TFrmGen_Cnc(QWidget* pai)
    : TFrmCnc_Trn(pai, QString(), msg::TituloCancelamentoPagtoGenerico,
                  Cancgenericolumo::TrnConsultaCancelamentoGenerico, "36") {
    // The flow is this dialog's own: the query, the host's card cancellation, then the bank's.
    disconnect(btConfirma, &QAbstractButton::clicked, this, nullptr);
    disconnect(btRetorna, &QAbstractButton::clicked, this, nullptr);
    LigaClique(btConfirma, [this] { btConfirmaClick(); });
    LigaClique(btRetorna, [this] { btRetornaClick(); });
    RedefineClique(TClique, [this] {
        if (ModalResult() == mrNone && btConfirma->isVisible() && btConfirma->isEnabled()) btConfirmaClick();
    });
}

bool TFrmGen_Cnc::GravaCamposHostlink() {
    return TFrmCnc_Trn::GravaCamposHostlink() && Grava(1037, Lumomain::EmpresaOriginal);
}

void TFrmGen_Cnc::btRetornaClick() {
    Volta();
}

void TFrmGen_Cnc::btConfirmaClick() {
    Confirma([this] { return ValidaCamposForm() && GravaCamposHostlink(); },
             [this] {
                 const auto abandona = [this] {
                     Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
                 };
                 if (!VerificaColetaDadosCircularBacen()) return abandona();
                 DefineMensagem(Texto(msg::MsgEmProcessamento));
                 Descritor = &Cancgenericolumo::TrnConsultaCancelamentoGenerico;
                 host::AutorizaTransacao(Pedido(), lbMensagem, 0);
                 if (!host::Aprovada() || !GravaDadosTrnCancelamentoTEF()) return abandona();
                 // The host cancels the card sale first: a bill is never left unpaid while its card sale
                 // stands.
                 if (!Lumomain::RealizaTransacaoModuloTEF(FUNCAO_CANCELAMENTO_TEF, CANCELAMENTO_TEF_A,
                                                          CANCELAMENTO_TEF_B))
                     return Encerra();
                 if (!Grava(10158, QStringLiteral("53")) || !Grava(10236, QStringLiteral("0")) ||
                     !Grava(10237, QStringLiteral("1")) || !Grava(1037, Lumomain::EmpresaOriginal))
                     return abandona();
                 Descritor = &Cancgenericolumo::TrnCancelamentoGenerico;
                 host::AutorizaTransacao(Pedido(), lbMensagem, 0);
                 const QString texto = host::LeCampo(1027);
                 if (!texto.isEmpty()) DefineMensagem(texto);
                 Lumomain::GravaServicoI();
                 Encerra();
             });
}
