// Queries menu: balance, statement, INSS benefits.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmConsultas_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmConsultas_Mnu(QWidget* pai);

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void FormShow() override;
};

extern TFrmConsultas_Mnu* FrmConsultas_Mnu;
