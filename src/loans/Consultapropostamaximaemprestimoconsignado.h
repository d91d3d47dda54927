// The largest payroll loan the customer may take through one of the agreements the query returned: the
// agreement is chosen (the first active one preselected) and the bank answers with the proposal.
#pragma once

#include "frame/Trnmodeloemprestimo.h"

class QLabel;
namespace Partes {
class ListaTeclado;
}

class TFrmConsPropMaxEmprestCons : public TFrmTrnEmpr_Mod {
    Q_OBJECT
public:
    explicit TFrmConsPropMaxEmprestCons(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbConvenio = nullptr;
    Partes::ListaTeclado* cbConvenio = nullptr;

protected:
    QList<QWidget*> Campos() const override;
};

extern TFrmConsPropMaxEmprestCons* FrmConsPropMaxEmprestCons;
