// Cancellation of a bill paid through the partner network in cash.
#pragma once

#include "basekit.h"
#include "payment/Canccartaoredelumo.h"

namespace Cancdinheiroredelumo {

extern const TTabelaTrn TrnCancelamentoDinheiro;

} // namespace Cancdinheiroredelumo

class TFrmDinRede_Cnc : public TFrmTrnRede_Crd {
    Q_OBJECT
public:
    explicit TFrmDinRede_Cnc(QWidget* pai);
};

extern TFrmDinRede_Cnc* FrmDinRede_Cnc;
