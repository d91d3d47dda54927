// The category choice of the top-up catalogue; the catalogue's values of that category follow.
#pragma once

#include "topup/Selecaocategoriamod.h"

class TFrm_SelCategoriaLUMO : public TFrm_SelCategoriaMod {
    Q_OBJECT
public:
    explicit TFrm_SelCategoriaLUMO(QWidget* pai);

    void IniciaCamposForm() override;

protected:
    void ChamaProximoFormulario() override;
};

extern TFrm_SelCategoriaLUMO* Frm_SelCategoriaLUMO;
