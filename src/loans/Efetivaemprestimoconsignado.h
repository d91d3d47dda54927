// Payroll loan contracting: the amount of the proposal or of the simulation (not changed here) and the term
// chosen among the proposal's or the simulated ones.
#pragma once

#include "loans/Efetivaemprestimo.h"

#include <QStringList>

class TFrmEfetEmprestCons : public TFrmEfetEmprest {
    Q_OBJECT
public:
    explicit TFrmEfetEmprestCons(QWidget* pai);

    void IniciaCamposForm() override;

    // What the next contracting offers: the amount in cents and the terms, set by the menu.
    static QString Valor;
    static QStringList Parcelas;

protected:
    QString DescricaoPlano(int i) const override;
    bool GravaEscolha() override;
    const char* MensagemSemEscolha() const override { return msg::ErroNumeroParcelasInvalido; }
};

extern TFrmEfetEmprestCons* FrmEfetEmprestCons;
