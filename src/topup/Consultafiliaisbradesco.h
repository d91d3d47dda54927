// Branch query of the Bradesco network.
#pragma once

#include "topup/Consultafiliaisrecargalumo.h"

class TFrmConsFiliaisBrad : public TFrmConsFiliais {
    Q_OBJECT
public:
    explicit TFrmConsFiliaisBrad(QWidget* pai);

protected:
    bool ExecutaConsultaValores() override;
};

extern TFrmConsFiliaisBrad* FrmConsFiliaisBrad;
