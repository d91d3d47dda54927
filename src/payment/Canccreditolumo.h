// Cancellation of a bill paid by credit card.
#pragma once

#include "basekit.h"
#include "payment/Canccartaolumo.h"

namespace Canccreditolumo {

extern const TTabelaTrn TrnCancelamentoCredito;

} // namespace Canccreditolumo

class TFrmCrd_Cnc : public TFrmTrn_Crd {
    Q_OBJECT
public:
    explicit TFrmCrd_Cnc(QWidget* pai);
};

extern TFrmCrd_Cnc* FrmCrd_Cnc;
