#include "payment/Menufininvest.h"

#include "frame/Indisponivel.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QPushButton>

#include <iterator>

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

// The payment outside the cancellation mode, its cancellation in it.
bool PagamentoForaCNC(int, bool) {
    return PagamentoHabilitado() && !Lumomain::TrnCNC;
}

bool CancelamentoNoCNC(int, bool) {
    return PagamentoHabilitado() && Lumomain::TrnCNC;
}

using M = TFrmFin_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {"Pagto. Fatura/Carnê", {}, PagamentoForaCNC, &M::spOpcao1Click},
    {"Cancelamento Pagto.", {}, CancelamentoNoCNC, &M::spOpcao2Click},
};

} // namespace

TFrmFin_Mnu::TFrmFin_Mnu(QWidget* pai)
    : TFrmMnu_Mod(pai, QString(), TITULO_PADRAO, kOpcoes, msg::MsgTipoPagamento) {}

void TFrmFin_Mnu::VerificaOpcoesHabilitadas() {
    TFrmMnu_Mod::VerificaOpcoesHabilitadas();
    if (carregou_) return;
    for (size_t i = 0; i < std::size(kOpcoes); ++i)
        spOpcao[i]->setEnabled(false);
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
        const QString titulo = Lumomain::ServicoHzinho_Pagamento.texto(0, 20).trimmed();
        DefineTitulo(titulo.isEmpty() ? QLatin1String(TITULO_PADRAO) : titulo);
        HabilitaDesabilitaBotoes(true);
        DefineMensagem(QString::fromUtf8(msg::MsgTipoPagamento));
    }
    TFrmMnu_Mod::FormActivate();
}

bool TFrmFin_Mnu::AbreOpcao(const QString& classe) {
    if (!AbreIndisponivel(this, classe)) MenusEntrada::FalhaCriacao(this, "FrmIndisponivel");
    if (ModalResult() != mrOk) Volta();
    return true;
}

bool TFrmFin_Mnu::spOpcao1Click() {
    return AbreOpcao(QStringLiteral("TFrmCAP_CCB"));
}

bool TFrmFin_Mnu::spOpcao2Click() {
    return AbreOpcao(QStringLiteral("TFrmCnc_Mnu"));
}
