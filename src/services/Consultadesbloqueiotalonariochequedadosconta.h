// Cheque-book release, first step: the customer's account typed (no account type) and the bank's query of
// its blocked cheque ranges, kept for the release.
#pragma once

#include "frame/Coletatipoconta.h"

class TFrmCnsDesbloqueio_DConta : public TFrmTrnDadosCta_Grp3 {
    Q_OBJECT
public:
    explicit TFrmCnsDesbloqueio_DConta(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

protected:
    bool ConcluiConfirmacao() override;
};

extern TFrmCnsDesbloqueio_DConta* FrmCnsDesbloqueio_DConta;
