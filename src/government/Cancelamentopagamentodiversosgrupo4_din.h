// Cancellation of a DARF or GPS payment in cash: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Cancelamentopagamentodiversosgrupo4_trn.h"

namespace Cancelamentopagamentodiversosgrupo4_din {

extern const TTabelaTrn TrnCancelamentoDinheiro;

} // namespace Cancelamentopagamentodiversosgrupo4_din

class TFrmCancPagtoDiv_Din : public TFrmCancPagtoDiv_Trn {
    Q_OBJECT
public:
    explicit TFrmCancPagtoDiv_Din(QWidget* pai);
};

extern TFrmCancPagtoDiv_Din* FrmCancPagtoDiv_Din;
