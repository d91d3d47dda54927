// Withdrawal-cancellation menu (the cancellation mode's withdrawal entry): INSS benefit card, cheque,
// withdrawal receipt, bank card. Only the benefit card is read here, before its form opens.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmCancSaque_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmCancSaque_Mnu(QWidget* pai);

    void spOpcao1Click();
    void spOpcao2Click();
    void spOpcao3Click();
    void spOpcao4Click();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;
};

extern TFrmCancSaque_Mnu* FrmCancSaque_Mnu;
