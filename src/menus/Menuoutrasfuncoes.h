// Other-functions menu: INSS card PIN revalidation, transfers, benefit statement, debit card, prepaid card.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmOutrasFuncoes_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmOutrasFuncoes_Mnu(QWidget* pai);

    void spOpcao1Click();
    void spOpcao2Click();
    void spOpcao3Click();
    void spOpcao4Click();
    void spOpcao5Click();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;
};

extern TFrmOutrasFuncoes_Mnu* FrmOutrasFuncoes_Mnu;

// True when at least one option of the other-functions menu would be enabled.
bool VerificaBotaoOutrasFuncoesHabilitadas();
