#include "payment/Menufininvest.h"

#include "frame/Indisponivel.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

TFrmFin_Mnu* FrmFin_Mnu = nullptr;

namespace {

constexpr char GRUPO_FININVEST[] = "2";
constexpr char TITULO_PADRAO[] = "PAGAMENTO FININVEST";

// The group's payment record offers at least one form of payment (its flags 23-28: cash, cheque, debit,
// credit, and debit and credit on the correspondent's account) on a network.
bool PagamentoHabilitado() {
    const auto& r = Lumomain::ServicoHzinho_Pagamento;
    return !r.vazio(20, 3) && r.texto(23, 6).contains(QLatin1Char('1'));
}

} // namespace

TFrmFin_Mnu::TFrmFin_Mnu(QWidget* pai) : TFrmMnu_Mod(pai, QStringLiteral("FrmFin_Mnu")) {
    LigaOpcoes(this, {&TFrmFin_Mnu::spOpcao1Click, &TFrmFin_Mnu::spOpcao2Click});
}

void TFrmFin_Mnu::IniciaFormularioMenu() {
    DefineTitulo(QLatin1String(TITULO_PADRAO));
    DefineOpcoes({"Pagto. Fatura/Carnê", "Cancelamento Pagto."});
}

void TFrmFin_Mnu::VerificaOpcoesHabilitadas() {
    const bool pagamento = carregou_ && PagamentoHabilitado();
    HabilitaOpcao(1, pagamento && !Lumomain::TrnCNC);
    HabilitaOpcao(2, pagamento && Lumomain::TrnCNC);
}

void TFrmFin_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    DefineMensagem(QString::fromUtf8(msg::MsgTipoPagamento));
}

void TFrmFin_Mnu::FormActivate() {
    if (carregando_) return;
    if (!carregou_) {
        // The options depend on the group's parameters, loaded once the menu is up; a failed load has
        // reported itself and closes the chain.
        carregando_ = true;
        HabilitaDesabilitaBotoes(false);
        Lumomain::GrupoPagto = QLatin1String(GRUPO_FININVEST);
        const bool ok = RealizaCargaParametros();
        carregando_ = false;
        if (!ok) return;
        carregou_ = true;
        Lumomain::SalvaServicoAConsParam();
        Lumomain::SalvaDPCHIP();
        const QString titulo = Lumomain::ServicoHzinho_Pagamento.texto(0, 20).trimmed();
        DefineTitulo(titulo.isEmpty() ? QLatin1String(TITULO_PADRAO) : titulo);
        HabilitaDesabilitaBotoes(true);
        DefineMensagem(QString::fromUtf8(msg::MsgTipoPagamento));
    }
    TFrmMnu_Mod::FormActivate();
}

void TFrmFin_Mnu::AbreOpcao(const QString& classe) {
    HabilitaDesabilitaBotoes(false);
    if (!AbreIndisponivel(this, classe)) MensagemFalhaCriacao("FrmIndisponivel");
    if (ModalResult() != mrOk) Volta();
}

void TFrmFin_Mnu::spOpcao1Click() {
    AbreOpcao(QStringLiteral("TFrmCAP_CCB"));
}

void TFrmFin_Mnu::spOpcao2Click() {
    AbreOpcao(QStringLiteral("TFrmCnc_Mnu"));
}
