// Banking menu: the first screen of the operator's functions.
#pragma once

#include "frame/Menumodelolumo.h"
#include "frame/Passosmenu.h"
#include "protocol/Registro.h"

class QHideEvent;

class TFrmSel_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmSel_Mnu(QWidget* pai);

    void Configura_Consulta();
    // Runs the account-data query of the cheque-book release; this menu takes its modal result.
    void ChamaMenuDadosConta();
    // The correspondent PIN pad does not outlive the menu.
    void FormClose();

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();
    bool spOpcao5Click();
    bool spOpcao6Click();
    bool spOpcao7Click();
    bool spOpcao8Click();

protected:
    void IniciaFormularioMenu() override;
    void FormShow() override;
    // The modal run ends by hiding the dialog: that is where the menu closes.
    void hideEvent(QHideEvent* e) override;

private:
    void InicializaMenu();
};

extern TFrmSel_Mnu* FrmSel_Mnu;

