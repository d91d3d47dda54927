#include "prepaid/Menuidentificacaoclientecartaoprepago.h"

#include "frame/Coletacampocartao.h"
#include "frame/Coletavalortrn.h"
#include "frame/Lumomain.h"
#include "host/Host.h"
#include "prepaid/Coletadadoscelulartrn.h"
#include "resources/Mensagens.h"

#include <QLabel>

TFrmIdCliMagCel_Mnu* FrmIdCliMagCel_Mnu = nullptr;

namespace {

using msg::Texto;

constexpr char FUNCAO_SAQUE[] = "10";
constexpr char FUNCAO_TRANSFERENCIA[] = "16";
// Card group of the prepaid sub-functions: its network is in h-record 41.
constexpr int TIPO_CARTAO_PRE_PAGO = 41;

bool Funcao(const char* funcao) {
    return host::LeCampo(10298) == QLatin1String(funcao);
}

using M = TFrmIdCliMagCel_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoCartao, "IdentificacaoClienteCartao", Menumodelolumo::ForaCNC, &M::spOpcao1Click},
    {msg::OpcaoNumeroCelular, "IdentificacaoClienteCelular", Menumodelolumo::ForaCNC, &M::spOpcao2Click},
};

} // namespace

TFrmIdCliMagCel_Mnu::TFrmIdCliMagCel_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloIdentificacaoClienteCartaoPrePago, kOpcoes) {}

void TFrmIdCliMagCel_Mnu::Identificado(const char* forma) {
    // The transfer names its origin card to the bank: the card that identified the holder.
    if (Funcao(FUNCAO_TRANSFERENCIA)) {
        QString cartao = host::LeCampo(10104);
        const bool ok = host::Grava(10340, QStringLiteral("1")) &&
                        Coletacampocartao::GravaCampoSigiloso(10348, cartao) == 0;
        Coletacampocartao::ApagaCopia(cartao);
        if (!ok) {
            NaoIdentificado();
            return;
        }
    }
    host::Grava(10154, QStringLiteral("0"));
    host::Grava(10229, QLatin1String(forma));
    setModalResult(mrOk);
}

void TFrmIdCliMagCel_Mnu::NaoIdentificado() {
    host::GravaArquivo();
    host::Grava(10154, QStringLiteral("255"));
    setModalResult(mrOk);
}

bool TFrmIdCliMagCel_Mnu::spOpcao1Click() {
    host::LimpaCampo(10154);
    bool lido = false;
    if (Funcao(FUNCAO_SAQUE)) {
        // The customer is at the till with the card: it goes through the PIN pad.
        lido = Lumomain::LeAnalisaCartaoCB(TIPO_CARTAO_PRE_PAGO, lbMensagem);
    } else {
        // A deposit or a transfer may be made for a card that is not there: its number is typed.
        lido = Coletavalortrn::ExecutaColeta<TFrmColetaCampoCartao>(QStringLiteral("FrmColetaCampoCartao")) ==
               mrOk;
    }
    if (!lido) {
        host::Grava(1027, Texto(msg::ErroOperacaoCancelada));
        host::Grava(1009, QStringLiteral("FF"));
        NaoIdentificado();
    } else {
        Identificado("1");
    }
    return true;
}

bool TFrmIdCliMagCel_Mnu::spOpcao2Click() {
    if (Coletavalortrn::ExecutaColeta<TFrmColetaDadosCelular>(QStringLiteral("FrmColetaDadosCelular")) !=
        mrOk)
        NaoIdentificado();
    else
        Identificado("2");
    return true;
}

namespace Lumomain {

bool ColetaDadosCartaoCelularCartaoPrePago() {
    host::GravaAudit(QStringLiteral("Entrou: ColetaDadosCartaoCelularCartaoPrePago."));
    host::LimpaCampo(10154);
    const int resultado =
        Coletavalortrn::ExecutaColeta<TFrmIdCliMagCel_Mnu>(QStringLiteral("FrmIdCliMagCel_Mnu"));
    if (resultado == TFrmMod::mrCancel) host::GravaAudit(QStringLiteral("Retorno FrmIdCliMagCel_Mnu "));
    const bool ok = resultado != TFrmMod::mrNone && resultado != TFrmMod::mrCancel &&
                    host::LeCampo(10154) == QLatin1String("0");
    host::GravaAudit(ok ? QStringLiteral("Saiu: ColetaDadosCartaoCelularCartaoPrePago.")
                        : QStringLiteral("Saiu Erro: ColetaDadosCartaoCelularCartaoPrePago."));
    return ok;
}

} // namespace Lumomain
