// Cancellation of a bill paid in cash.
#pragma once

#include "basekit.h"
#include "payment/Cancelamentotrnlumo.h"

namespace Cancdinheirolumo {

extern const TTabelaTrn TrnCancelamentoDinheiro;

} // namespace Cancdinheirolumo

class TFrmDin_Cnc : public TFrmCnc_Trn {
    Q_OBJECT
public:
    explicit TFrmDin_Cnc(QWidget* pai);
};

extern TFrmDin_Cnc* FrmDin_Cnc;
