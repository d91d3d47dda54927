// Cancellation of a DARF or GPS payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Cancelamentopagamentodiversosgrupo4_trn.h"

namespace Cancelamentopagamentodiversosgrupo4_cheque {

extern const TTabelaTrn TrnCancelamentoCheque;

} // namespace Cancelamentopagamentodiversosgrupo4_cheque

class TFrmCancPagtoDiv_Chq : public TFrmCancPagtoDiv_Trn {
    Q_OBJECT
public:
    explicit TFrmCancPagtoDiv_Chq(QWidget* pai);
};

extern TFrmCancPagtoDiv_Chq* FrmCancPagtoDiv_Chq;
