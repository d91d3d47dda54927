// Branch query of the Corban OS network.
#pragma once

#include "topup/Consultafiliaisrecargalumo.h"

class TFrmConsFiliaisHSBC : public TFrmConsFiliais {
    Q_OBJECT
public:
    explicit TFrmConsFiliaisHSBC(QWidget* pai);

protected:
    bool ExecutaConsultaValores() override;
};

extern TFrmConsFiliaisHSBC* FrmConsFiliaisHSBC;
