// Payroll loan query: as the pre-approved one, with the payroll request; the reply lists the customer's
// payroll agreements.
#pragma once

#include "loans/Consultaemprestimo.h"

class TFrmConsEmprestCons : public TFrmConsEmprest {
    Q_OBJECT
public:
    explicit TFrmConsEmprestCons(QWidget* pai);

    void IniciaCamposForm() override;

protected:
    QString CodigoOperacao() const override { return QStringLiteral("42"); }
};

namespace Consultaemprestimoconsignado {

// Reads the payroll record of this kind (42 query, 43 largest proposal, 44 simulation) from the reply's
// service A item "03" + kind; false when the reply has none.
bool TrataResposta(int tipo);

} // namespace Consultaemprestimoconsignado

extern TFrmConsEmprestCons* FrmConsEmprestCons;
