// Payroll loan simulation: the amount, the first due date and up to three counts, checked against the
// largest proposal (its amount, term, smallest instalment and first due date window).
#pragma once

#include "loans/Simulaemprestimo.h"

namespace Simulaemprestimoconsignado {

// How many days after the proposal's first due date the first instalment may still fall when the proposal
// gives no window of its own.
inline constexpr int JANELA_VENCIMENTO_PADRAO = 30;

// The proposal's limits; nothing when the bank gave no proposal.
std::optional<Simulaemprestimo::Limite> LimiteDaProposta();

} // namespace Simulaemprestimoconsignado

class TFrmSimEmprestCons : public TFrmSimEmprest_Mod {
    Q_OBJECT
public:
    explicit TFrmSimEmprestCons(QWidget* pai);

    void IniciaCamposForm() override;

protected:
    std::optional<Simulaemprestimo::Limite> LimiteSelecionado() const override;
    QString CodigoOperacao() const override { return QStringLiteral("44"); }
};

extern TFrmSimEmprestCons* FrmSimEmprestCons;
