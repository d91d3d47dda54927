// Cancellation of a bill paid by debit card.
#pragma once

#include "basekit.h"
#include "payment/Canccartaolumo.h"

namespace Cancdebitolumo {

extern const TTabelaTrn TrnCancelamentoDebito;

} // namespace Cancdebitolumo

class TFrmDeb_Cnc : public TFrmTrn_Crd {
    Q_OBJECT
public:
    explicit TFrmDeb_Cnc(QWidget* pai);
};

extern TFrmDeb_Cnc* FrmDeb_Cnc;
