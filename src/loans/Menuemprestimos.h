// Loans: the pre-approved personal loan (query, summary, simulation, contracting) and the payroll-deducted
// loan (query, largest proposal, then its contracting straight away or after a simulation), each after the
// customer has been identified by card or by account.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmEmprestimos_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmEmprestimos_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();

private:
    // Parameter loads of groups 1 and 3 and the bank check; false when the call ended there.
    bool CarregaParametros();
    // The customer identified by the identification menu; false when the call ended there.
    bool IdentificaCliente(bool consignado);
    // After a step: true when the chain goes on (the dialog approved with 1009 "0"). Otherwise the call ends
    // with the PIN pad closed and the result file; a dialog the operator left reports it so.
    bool Prossegue(int resultado);
};

extern TFrmEmprestimos_Mnu* FrmEmprestimos_Mnu;
