#include "loans/Simulaemprestimoconsignado.h"

#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

using msg::Texto;

TFrmSimEmprestCons* FrmSimEmprestCons = nullptr;

namespace Simulaemprestimoconsignado {

std::optional<Simulaemprestimo::Limite> LimiteDaProposta() {
    // Largest proposal: term at 27 (3), due-date window in days at 30 (3), amount at 33 (12), smallest
    // instalment at 45 (12), first due date at 57 (8).
    const auto& p = Lumomain::ServicoXConsultaPropostaMaximaEmprestimoConsignado;
    const long long valor = p.texto(33, 12).trimmed().toLongLong();
    const QDate primeiro = QDate::fromString(p.texto(57, 8), QStringLiteral("ddMMyyyy"));
    if (valor <= 0 || !primeiro.isValid()) return std::nullopt;
    const int janela = p.inteiro(30, 3, 0);
    return Simulaemprestimo::Limite{valor, p.texto(45, 12).trimmed().toLongLong(), primeiro,
                                    primeiro.addDays(janela > 0 ? janela : JANELA_VENCIMENTO_PADRAO),
                                    p.inteiro(27, 3, 0)};
}

} // namespace Simulaemprestimoconsignado

TFrmSimEmprestCons::TFrmSimEmprestCons(QWidget* pai) : TFrmSimEmprest_Mod(pai, QString(), false) {}

void TFrmSimEmprestCons::IniciaCamposForm() {
    TFrmSimEmprest_Mod::IniciaCamposForm();
    DefineTitulo(Texto(msg::TituloSimulaEmprestimo));
    Descritor = &Tabelatrn::TrnSimulaEmprestimoConsignado;
}

std::optional<Simulaemprestimo::Limite> TFrmSimEmprestCons::LimiteSelecionado() const {
    return Simulaemprestimoconsignado::LimiteDaProposta();
}
