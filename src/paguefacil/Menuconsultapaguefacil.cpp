#include "paguefacil/Menuconsultapaguefacil.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "paguefacil/Pagtoemcartaodebitopaguefacilgrupo6.h"
#include "paguefacil/Paguefacildadosconta.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>

TFrmCnsPagueFacil_Mnu* FrmCnsPagueFacil_Mnu = nullptr;

using namespace Menumodelolumo;

namespace PagueFacil {

namespace {

bool TemModo(QChar modo) {
    const QString modos = Lumomain::ServicoHzinho_29_FormasColetaTipoContaAceita.texto(25, 5);
    return modos.contains(modo) || modos.contains(u'3');
}

} // namespace

bool ColetaPorCartao() {
    return TemModo(u'1');
}

bool ColetaPorConta() {
    return TemModo(u'2');
}

} // namespace PagueFacil

namespace {

// Card reads and PIN entries of Pague Fácil take the network of its record (h29).
constexpr int TIPO_LEITURA_PAGUE_FACIL = 10;

bool PorCartao(int, bool) {
    return PagueFacil::ColetaPorCartao();
}

bool PorConta(int, bool) {
    return PagueFacil::ColetaPorConta();
}

using M = TFrmCnsPagueFacil_Mnu;
constexpr Opcao<M> kOpcoes[] = {
    {msg::OpcaoCartaoMagnetico, {}, PorCartao, &M::spOpcao1Click},
    {msg::OpcaoDadosConta, {}, PorConta, &M::spOpcao2Click},
};

} // namespace

TFrmCnsPagueFacil_Mnu::TFrmCnsPagueFacil_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), msg::TituloSelecionaTipoOperacaoConsultaPagueFacil, kOpcoes) {}

bool TFrmCnsPagueFacil_Mnu::spOpcao1Click() {
    if (!host::Grava(10172, QStringLiteral("0"))) return false;
    // The bank's own network reads the card here; another network's debit reads it in its own module.
    if (Lumomain::ServicoHzinho_29_FormasColetaTipoContaAceita.texto(22, 3) == QLatin1String("805") &&
        !Lumomain::LeAnalisaCartaoCB(TIPO_LEITURA_PAGUE_FACIL, lbMensagem)) {
        Encerra(QStringLiteral("FF"), msg::Texto(msg::ErroOperacaoCancelada));
        return false;
    }
    AbreFormulario(FrmPgtGrupo6PagueFacil_Crt);
    return true;
}

bool TFrmCnsPagueFacil_Mnu::spOpcao2Click() {
    AbreFormulario(FrmPagueFacil_DConta);
    return true;
}
