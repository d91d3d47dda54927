#include "loans/Menumagneticodadoscontaemprestimo.h"

#include "frame/Lumomain.h"
#include "frame/Passosmenu.h"
#include "frame/Servicoscartao.h"
#include "frame/Trnmodeloemprestimo.h"
#include "host/Host.h"
#include "loans/Emprestimocartao.h"
#include "loans/Emprestimodadosconta.h"
#include "protocol/ServicosResposta.h"

#include <memory>

#include <QLabel>

using host::Grava;
using msg::Texto;

namespace {

// Kind of the card read: the loan record's network.
constexpr int TIPO_LEITURA_EMPRESTIMO = 8;

bool Oferecida(int opcao, bool consignado) {
    return !Trnmodeloemprestimo::TiposAceitos(Trnmodeloemprestimo::FlagsTipos(consignado), opcao == 1)
                .isEmpty();
}
bool OferecidaPreAprovado(int opcao, bool) {
    return Oferecida(opcao, false);
}
bool OferecidaConsignado(int opcao, bool) {
    return Oferecida(opcao, true);
}

using M = TFrmMagDadosCtEmpr_Mnu;
constexpr Menumodelolumo::Opcao<M> kPreAprovado[] = {
    {msg::OpcaoCartaoMagnetico, {}, OferecidaPreAprovado, &M::spOpcao1Click},
    {msg::OpcaoDadosConta, {}, OferecidaPreAprovado, &M::spOpcao2Click},
};
constexpr Menumodelolumo::Opcao<M> kConsignado[] = {
    {msg::OpcaoCartaoMagnetico, {}, OferecidaConsignado, &M::spOpcao1Click},
    {msg::OpcaoDadosConta, {}, OferecidaConsignado, &M::spOpcao2Click},
};

// Runs a dialog as CriaExecutaForm would, without carrying its result up: the menu decides.
template <class T> int ExecutaPasso(TFrmMod* menu, const char* nome) {
    std::unique_ptr<T> form(TFrmMod::Cria<T>(menu));
    if (!form) {
        MenusEntrada::FalhaCriacao(menu, nome);
        return TFrmMod::mrNone;
    }
    const int resultado = form->Executa();
    form.reset();
    Lumomain::ProcessaMensagens();
    return resultado;
}

} // namespace

TFrmMagDadosCtEmpr_Mnu::TFrmMagDadosCtEmpr_Mnu(QWidget* pai)
    : TFrmMagDadosCtEmpr_Mnu(pai, QString(), kPreAprovado, false) {}

TFrmMagDadosCtEmprCons_Mnu::TFrmMagDadosCtEmprCons_Mnu(QWidget* pai)
    : TFrmMagDadosCtEmpr_Mnu(pai, QString(), kConsignado, true) {}

void TFrmMagDadosCtEmpr_Mnu::AposIdentificacao(int resultado) {
    if (resultado == mrOk && host::Aprovada()) {
        identificado_ = true;
        // Until the bank answers, leaving is the operator's.
        Grava(1009, QStringLiteral("FF"));
        Volta();
        return;
    }
    if (resultado == mrNone) return;
    if (resultado == mrOk) {
        Encerra();
    } else {
        Encerra(QStringLiteral("FF"), Texto(msg::ErroFinalizadoOper));
    }
}

bool TFrmMagDadosCtEmpr_Mnu::spOpcao1Click() {
    if (!Grava(10134, QLatin1String(ServicosCartao::ENTRADA_CARTAO_LIDO))) return false;
    Lumomain::RecuperaServicoAConsParam();
    Lumomain::RecuperaDPCHIP();
    Lumomain::RecuperaServicoHzinho_21_Informacoes_Gerais_CB();
    if (!Lumomain::LeAnalisaCartaoCB(TIPO_LEITURA_EMPRESTIMO, lbMensagem)) {
        Encerra(QStringLiteral("FF"), Texto(msg::ErroOperacaoCancelada));
        return false;
    }
    if (consignado_)
        AposIdentificacao(ExecutaPasso<TFrmEmprCons_Crt>(this, "FrmEmprCons_Crt"));
    else
        AposIdentificacao(ExecutaPasso<TFrmEmpr_Crt>(this, "FrmEmpr_Crt"));
    return true;
}

bool TFrmMagDadosCtEmpr_Mnu::spOpcao2Click() {
    if (!Grava(10134, QStringLiteral("2"))) return false;
    TFrmEmprest_DConta::ParaConsignado = consignado_;
    AposIdentificacao(ExecutaPasso<TFrmEmprest_DConta>(this, "FrmEmprest_DConta"));
    return true;
}
