// Payment-method menu: the accepted documents, their total, and the settlement methods they all allow.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmMnu_For : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmMnu_For(QWidget* pai);

protected:
    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
};

extern TFrmMnu_For* FrmMnu_For;
