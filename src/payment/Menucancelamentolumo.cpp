#include "payment/Menucancelamentolumo.h"

#include "frame/Fabricas.h"
#include "host/Host.h"
#include "payment/Cancchequelumo.h"
#include "payment/Canccreditolumo.h"
#include "payment/Canccreditoredelumo.h"
#include "payment/Cancdebitolumo.h"
#include "payment/Cancdebitoredelumo.h"
#include "payment/Cancdinheirolumo.h"
#include "payment/Cancdinheiroredelumo.h"
#include "payment/Cancgenericolumo.h"
#include "payment/Cancpagtoemcartaocontacbmodelo.h"
#include "payment/Estadocontas.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>

TFrmCnc_Mnu* FrmCnc_Mnu = nullptr;
CB_FABRICA(TFrmCnc_Mnu);

using namespace Lumomain;
using msg::Texto;

namespace {

template <class R> bool Flag(const R& registro, int posicao) {
    return registro.texto(static_cast<size_t>(posicao), 1) == QLatin1String("1");
}

// Each method by the flag of the payment record that says it may be cancelled; the account options also by
// the account-card service, and the split of several forms only in the card invoice. The flags are read one
// by one: the network's record holds only its network and flags.
bool Oferecida(int opcao, bool) {
    const auto& pagamento = ServicoHzinho_Pagamento;
    switch (opcao) {
    case 1:
        return Flag(pagamento, 23);
    case 2:
        return Flag(pagamento, 24);
    case 3:
        return Flag(pagamento, 26);
    case 4:
        return Flag(pagamento, 25);
    case 5:
        return GrupoPagto == QLatin1String("2");
    case 6:
        return Flag(pagamento, 27) && Flag(Contas::ServACP, 60);
    case 7:
        return Flag(pagamento, 28) && Flag(Contas::ServACP, 61);
    default:
        return false;
    }
}

// A payment made through the partner network.
bool Rede() {
    return host::LeCampo(10404) == QLatin1String("1") && host::LeCampo(10112) == QLatin1String("005");
}

bool Generico() {
    return ServicoHzinho_PagTrnGen.texto(25, 1) == QLatin1String("1");
}

using M = TFrmCnc_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoDinheiro, {}, Oferecida, &M::spOpcao1Click},
    {msg::OpcaoCheque, {}, Oferecida, &M::spOpcao2Click},
    {msg::OpcaoCredito, {}, Oferecida, &M::spOpcao3Click},
    {msg::OpcaoDebito, {}, Oferecida, &M::spOpcao4Click},
    {msg::OpcaoMultiplasFormas, {}, Oferecida, &M::spOpcao5Click},
    {msg::OpcaoDeb, {}, Oferecida, &M::spOpcao6Click},
    {msg::OpcaoCred, {}, Oferecida, &M::spOpcao7Click},
};

} // namespace

TFrmCnc_Mnu::TFrmCnc_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QString(), msg::TituloCancelamento, kOpcoes) {}

void TFrmCnc_Mnu::IniciaFormularioMenu() {
    TFrmMnu_Mod::IniciaFormularioMenu();
    const QString servico = ServicoHzinho_Pagamento.texto(0, 20).left(10);
    DefineOpcao(6, Texto(msg::OpcaoDeb) + QLatin1Char(' ') + servico);
    DefineOpcao(7, Texto(msg::OpcaoCred) + QLatin1Char(' ') + servico);
}

bool TFrmCnc_Mnu::ConsultaBins(const char* modo) {
    if (!host::Grava(10107, QLatin1String(modo))) return false;
    host::ResultadoBins r;
    // The query reads the card; the payment's network in 10112 stays what the request sends.
    const QString rede = host::LeCampo(10112);
    const bool ok = host::FazConsultaBins(1, ServicoHzinho_EmpresaTEF.dados,
                                          ServicoHzinho_EmpresaTEF.quantidade(), r, lbMensagem);
    host::Grava(10112, rede);
    RedeDestinoTEF = r.redeDestino;
    EmpresaOriginal = r.empresaOriginal;
    CodigoEmpresaTEF = r.codigoEmpresa;
    if (!ok) {
        ProcessaMensagens();
        Encerra();
    }
    return ok;
}

bool TFrmCnc_Mnu::spOpcao1Click() {
    if (Rede())
        AbreFormulario(FrmDinRede_Cnc);
    else
        AbreFormulario(FrmDin_Cnc);
    return true;
}

bool TFrmCnc_Mnu::spOpcao2Click() {
    AbreFormulario(FrmChq_Cnc);
    return true;
}

bool TFrmCnc_Mnu::spOpcao3Click() {
    if (!ConsultaBins("0")) return false;
    if (Generico())
        AbreFormulario(FrmGen_Cnc);
    else if (Rede())
        AbreFormulario(FrmCrdRede_Cnc);
    else
        AbreFormulario(FrmCrd_Cnc);
    return true;
}

bool TFrmCnc_Mnu::spOpcao4Click() {
    if (!ConsultaBins("1")) return false;
    if (Generico())
        AbreFormulario(FrmGen_Cnc);
    else if (Rede())
        AbreFormulario(FrmDebRede_Cnc);
    else
        AbreFormulario(FrmDeb_Cnc);
    return true;
}

bool TFrmCnc_Mnu::spOpcao5Click() {
    // The card invoice's split has no cancellation of its own here.
    return TransacaoNaoHabilitada();
}

bool TFrmCnc_Mnu::spOpcao6Click() {
    host::Grava(10107, QStringLiteral("11"));
    if (!LeAnalisaCartaoCB(1, lbMensagem)) {
        Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
        return false;
    }
    if (!ConsultaBins("11")) return false;
    AbreFormulario(FrmPagtoDebitoContaCB_Cnc);
    return true;
}

bool TFrmCnc_Mnu::spOpcao7Click() {
    if (!ConsultaBins("2")) return false;
    AbreFormulario(FrmPagtoCreditoContaCB_Cnc);
    return true;
}
