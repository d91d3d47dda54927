#include "menus/Menupagamentos.h"

#include "host/Host.h"
#include "menus/Selecionadorcbfininvest.h"
#include "payment/Consultacodigobarras.h"
#include "payment/Menufininvest.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

TFrmPagtos_Mnu* FrmPagtos_Mnu = nullptr;

using namespace MenusEntrada;

TFrmPagtos_Mnu::TFrmPagtos_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmPagtos_Mnu")) {
    LigaOpcoes(this, {&TFrmPagtos_Mnu::spOpcao1Click, &TFrmPagtos_Mnu::spOpcao2Click,
                      &TFrmPagtos_Mnu::spOpcao3Click, &TFrmPagtos_Mnu::spOpcao4Click,
                      &TFrmPagtos_Mnu::spOpcao5Click});
}

void TFrmPagtos_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QStringLiteral("PAGAMENTOS"));
    DefineOpcoes({"Pagto. Contas", "Pag. Fininvest", "Recarga Celular", "Pagto. Diversos", "Pagto. Rede"});
}

void TFrmPagtos_Mnu::VerificaOpcoesHabilitadas() {
    const ConfiguracaoMenu chave;
    const bool cnc = Lumomain::TrnCNC;
    HabilitaOpcao(1, chave("PagamentoContas", true));
    HabilitaOpcao(2, chave("PagamentoCBFininvest", true));
    HabilitaOpcao(3, (chave("RecargaCelularBradesco") || chave("RecargaCelularHSBC") ||
                      chave("RecargaCelularCorbanOS")) &&
                         !cnc);
    HabilitaOpcao(4, chave("PagamentoDiversosCB"));
    HabilitaOpcao(5, chave("PagamentoCBRede"));
}

void TFrmPagtos_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(QString::fromUtf8(msg::MsgTipoPagamento));
}

bool TFrmPagtos_Mnu::AbreConsultaContas() {
    if (host::GravaCampoString(10439, 0, QStringLiteral("1")) != 0) return false;
    host::GravaCampoString(10527, 0, QStringLiteral("1"));
    if (!CriaExecutaForm(this, FrmCAP_CCB)) FalhaCriacao(this, "FrmCAP_CCB");
    // Back to the banking menu unless the bill chain closed the call.
    if (ModalResult() != mrOk) Volta();
    return true;
}

void TFrmPagtos_Mnu::spOpcao1Click() {
    HabilitaDesabilitaBotoes(false);
    Lumomain::IndiceDadosAdicionais = 0;
    Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
    if (!CarregaGrupo(this, "1")) return;
    Lumomain::SalvaServicoAConsParam();
    Lumomain::SalvaDPCHIP();
    if (Lumomain::TrnCNC)
        AbreSubstituto(this, "TFrmCnc_Mnu");
    else if (!AbreConsultaContas())
        return;
    ReabilitaSeContinua();
}

void TFrmPagtos_Mnu::spOpcao2Click() {
    HabilitaDesabilitaBotoes(false);
    host::GravaCampoString(10527, 0, QStringLiteral("1"));
    if (!CriaExecutaForm(this, FrmFin_Mnu)) FalhaCriacao(this, "FrmFin_Mnu");
    ReabilitaSeContinua();
}

void TFrmPagtos_Mnu::spOpcao3Click() {
    HabilitaDesabilitaBotoes(false);
    host::GravaCampoString(10527, 0, QStringLiteral("2"));
    if (!CarregaGrupo(this, "1")) return;
    SalvaParametrosGrupo1();
    AbreSubstituto(this, "TFrmRecCel_Mnu");
    ReabilitaSeContinua();
}

void TFrmPagtos_Mnu::spOpcao4Click() {
    HabilitaDesabilitaBotoes(false);
    host::GravaCampoString(10527, 0, QStringLiteral("1"));
    if (!CarregaGrupo(this, "1")) return;
    SalvaParametrosGrupo1();
    if (!CarregaGrupo(this, "4")) return;
    AbreSubstituto(this, "TFrmPagtoDivGrupo4_Mnu");
    ReabilitaSeContinua();
}

void TFrmPagtos_Mnu::spOpcao5Click() {
    HabilitaDesabilitaBotoes(false);
    // Network payments take the parameters already loaded; the network code marks the request as such.
    Lumomain::GrupoPagto = QStringLiteral("1");
    Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
    host::GravaCampoString(10404, 0, QStringLiteral("1"));
    host::GravaCampoString(10447, 0, QStringLiteral("0"));
    if (host::GravaCampoString(10112, 0, QStringLiteral("005")) != 0) return;
    if (Lumomain::TrnCNC) {
        Lumomain::Grava_Tipo_5_ServicoHzinho_Pagamento_Rede();
        AbreSubstituto(this, "TFrmCnc_Mnu");
    } else if (!AbreConsultaContas()) {
        return;
    }
    host::LimpaCampo(10404);
    host::LimpaCampo(10447);
    ReabilitaSeContinua();
}
