// Bill payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtoemchequetrn.h"

namespace Pagtoemcheque {

extern TTabelaTrn TrnPagamentoCheque;

} // namespace Pagtoemcheque

class TFrmPgt_Chq : public TFrmPgtChq_Trn {
    Q_OBJECT
public:
    explicit TFrmPgt_Chq(QWidget* pai);
};

extern TFrmPgt_Chq* FrmPgt_Chq;
