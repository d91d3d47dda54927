// The customer identified by the account typed: the account types the loan accepts that way, the account
// data, and the PIN read on the PIN pad prepared for that account.
#pragma once

#include "frame/Coletatipoconta.h"

class TFrmEmprest_DConta : public TFrmTrnDadosCta_Grp3 {
    Q_OBJECT
public:
    // consignado: the payroll loan's account types.
    TFrmEmprest_DConta(QWidget* pai, bool consignado = false);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
    bool VerificaCapturaSenha() override;

    // Which loan the next dialog opened serves.
    static bool ParaConsignado;

protected:
    bool ConcluiConfirmacao() override;

private:
    bool consignado_;
};

extern TFrmEmprest_DConta* FrmEmprest_DConta;
