#include "prepaid/Menupagamentogrupo7cartaoprepago.h"

#include "frame/Lumomain.h"
#include "frame/Selecionadorcbfininvest.h"
#include "host/Host.h"
#include "prepaid/Consultacartaoprepago.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>

TFrmCartaoPrePagoGrupo7_Mnu* FrmCartaoPrePagoGrupo7_Mnu = nullptr;

using namespace MenusEntrada;

namespace {

using msg::Texto;

// Offset in h-record 41 of the flag of option 1; options 2 to 5 follow, one character each.
constexpr int OFFSET_OPCOES_H41 = 25;

} // namespace

TFrmCartaoPrePagoGrupo7_Mnu::TFrmCartaoPrePagoGrupo7_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QStringLiteral("FrmCartaoPrePagoGrupo7_Mnu")) {
    LigaOpcao(1, [this] { spOpcao1Click(); });
    LigaOpcao(2, [this] { spOpcao2Click(); });
    LigaOpcao(3, [this] { spOpcao3Click(); });
    LigaOpcao(4, [this] { spOpcao4Click(); });
    LigaOpcao(5, [this] { spOpcao5Click(); });
}

void TFrmCartaoPrePagoGrupo7_Mnu::IniciaFormularioMenu() {
    DefineTitulo(Texto(msg::TituloMenuCartaoPrePago));
    DefineOpcoes(
        {msg::OpcaoSaque, msg::OpcaoDeposito, msg::OpcaoSaldo, msg::OpcaoExtrato, msg::OpcaoTransferencia});
}

void TFrmCartaoPrePagoGrupo7_Mnu::VerificaOpcoesHabilitadas() {
    const auto& h41 = Lumomain::ServicoHzinho_41_ConsultaSubFuncoesHabilitadasCartaoPrePago;
    for (int i = 0; i < 5; ++i)
        HabilitaOpcao(i + 1, h41.texto(static_cast<size_t>(OFFSET_OPCOES_H41 + i), 1) == QLatin1String("1"));
}

void TFrmCartaoPrePagoGrupo7_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(Texto(msg::MsgTipoPagamento));
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao1Click() {
    OpcaoNaoDisponivel();
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao2Click() {
    OpcaoNaoDisponivel();
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao3Click() {
    HabilitaDesabilitaBotoes(false);
    Consultacartaoprepago::ExecutaConsultaSaldo(this);
    ReabilitaSeContinua();
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao4Click() {
    HabilitaDesabilitaBotoes(false);
    Consultacartaoprepago::ExecutaConsultaExtrato(this);
    ReabilitaSeContinua();
}

void TFrmCartaoPrePagoGrupo7_Mnu::spOpcao5Click() {
    OpcaoNaoDisponivel();
}
