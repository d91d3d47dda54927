// Branch query of the GXS network.
#pragma once

#include "topup/Consultafiliaisrecargalumo.h"

class TFrmConsFiliaisGXS : public TFrmConsFiliais {
    Q_OBJECT
public:
    explicit TFrmConsFiliaisGXS(QWidget* pai);

protected:
    bool ExecutaConsultaValores() override;
};

extern TFrmConsFiliaisGXS* FrmConsFiliaisGXS;
