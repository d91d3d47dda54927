// Other-functions menu: INSS card PIN revalidation, transfers, benefit statement, debit card, prepaid card.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmOutrasFuncoes_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmOutrasFuncoes_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();
    bool spOpcao5Click();
};

extern TFrmOutrasFuncoes_Mnu* FrmOutrasFuncoes_Mnu;

// True when at least one option of the other-functions menu would be enabled.
bool VerificaBotaoOutrasFuncoesHabilitadas();
