// Fininvest menu: the payments of the Fininvest group. It loads the group's parameters when it opens and
// offers what they enable: the payment of a Fininvest bill, or in the cancellation mode the cancellation of
// one.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmFin_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmFin_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();

protected:
    // Nothing is offered until the group's parameters are loaded.
    void VerificaOpcoesHabilitadas() override;
    void FormActivate() override;

private:
    // Opens the screen of an option; back to the payments menu unless the chain closed.
    bool AbreOpcao(const QString& classe);

    // The parameters of the group were loaded for this menu: until then nothing is offered.
    bool carregou_ = false;
    bool carregando_ = false;
};

extern TFrmFin_Mnu* FrmFin_Mnu;
