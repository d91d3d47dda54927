// Cancellation of a bill paid through the partner network by debit card.
#pragma once

#include "basekit.h"
#include "payment/Canccartaoredelumo.h"

namespace Cancdebitoredelumo {

extern const TTabelaTrn TrnCancelamentoDebito;

} // namespace Cancdebitoredelumo

class TFrmDebRede_Cnc : public TFrmTrnRede_Crd {
    Q_OBJECT
public:
    explicit TFrmDebRede_Cnc(QWidget* pai);
};

extern TFrmDebRede_Cnc* FrmDebRede_Cnc;
