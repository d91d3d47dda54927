#include "frame/Menupagamentos.h"

#include "resources/Mensagens.h"

TFrmPagtos_Mnu* FrmPagtos_Mnu = nullptr;

TFrmPagtos_Mnu::TFrmPagtos_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmPagtos_Mnu")) {
    for (int i = 1; i <= 5; ++i)
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
