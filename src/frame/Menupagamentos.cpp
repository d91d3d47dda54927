#include "frame/Menupagamentos.h"

#include "frame/Indisponivel.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

TFrmPagtos_Mnu* FrmPagtos_Mnu = nullptr;

TFrmPagtos_Mnu::TFrmPagtos_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmPagtos_Mnu")) {
    LigaOpcao(1, [this] { spOpcao1Click(); });
    for (int i = 2; i <= 5; ++i)
        LigaOpcao(i, [this] { OpcaoNaoDisponivel(); });
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

void TFrmPagtos_Mnu::spOpcao1Click() {
    HabilitaDesabilitaBotoes(false);
    Lumomain::IndiceDadosAdicionais = 0;
    Lumomain::DadosAdicionaisBoletoRegistradoContingencia.limpa();
    Lumomain::GrupoPagto = QStringLiteral("1");
    if (!RealizaCargaParametros()) return;
    Lumomain::SalvaServicoAConsParam();
    Lumomain::SalvaDPCHIP();
    if (Lumomain::TrnCNC) {
        AbreIndisponivel(this, QStringLiteral("TFrmCnc_Mnu"));
    } else {
        if (host::GravaCampoString(10439, 0, QStringLiteral("1")) != 0) return;
        host::GravaCampoString(10527, 0, QStringLiteral("1"));
        AbreIndisponivel(this, QStringLiteral("TFrmCAP_CCB"));
        // Back to the banking menu unless the bill chain closed the call.
        if (ModalResult() != mrOk) setModalResult(mrCancel);
    }
    ReabilitaSeContinua();
}
