// Cancellation of a bill paid by cheque.
#pragma once

#include "basekit.h"
#include "payment/Cancelamentotrnlumo.h"

namespace Cancchequelumo {

extern const TTabelaTrn TrnCancelamentoCheque;

} // namespace Cancchequelumo

class TFrmChq_Cnc : public TFrmCnc_Trn {
    Q_OBJECT
public:
    explicit TFrmChq_Cnc(QWidget* pai);
};

extern TFrmChq_Cnc* FrmChq_Cnc;
