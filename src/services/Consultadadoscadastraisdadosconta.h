// Account opening, first step: the type and the number of the account to open. The group's parameters say
// which types the bank opens here; the holders' data follow in the next dialog.
#pragma once

#include "frame/Coletatipoconta.h"

class TFrmCnsDdCad_DdCta : public TFrmTrnDadosCta_Grp3 {
    Q_OBJECT
public:
    explicit TFrmCnsDdCad_DdCta(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

protected:
    void FormActivate() override;
    // Runs the holders' dialog; the form stays open when the operator comes back from it.
    bool ConcluiConfirmacao() override;

private:
    // The parameters are loaded once, after the form is on screen.
    bool carregou_ = false;
    bool carregando_ = false;
};

extern TFrmCnsDdCad_DdCta* FrmCnsDdCad_DdCta;
