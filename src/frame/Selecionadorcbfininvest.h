// Banking menu: the first screen of the operator's functions.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmSel_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmSel_Mnu(QWidget* pai);

    void Configura_Consulta();

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;

private:
    void InicializaMenu();
};

extern TFrmSel_Mnu* FrmSel_Mnu;
