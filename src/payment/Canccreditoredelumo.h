// Cancellation of a bill paid through the partner network by credit card.
#pragma once

#include "basekit.h"
#include "payment/Canccartaoredelumo.h"

namespace Canccreditoredelumo {

extern const TTabelaTrn TrnCancelamentoCreditoRede;

} // namespace Canccreditoredelumo

class TFrmCrdRede_Cnc : public TFrmTrnRede_Crd {
    Q_OBJECT
public:
    explicit TFrmCrdRede_Cnc(QWidget* pai);
};

extern TFrmCrdRede_Cnc* FrmCrdRede_Cnc;
