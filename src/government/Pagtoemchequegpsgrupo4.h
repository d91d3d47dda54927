// GPS payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4gps.h"

namespace Pagtoemchequegpsgrupo4 {

extern const TTabelaTrn TrnPagamentoChequeGPS;

} // namespace Pagtoemchequegpsgrupo4

class TFrmPgtGrupo4Gps_Chq : public TFrmPgtGrupo4_GPS {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4Gps_Chq(QWidget* pai);
};

extern TFrmPgtGrupo4Gps_Chq* FrmPgtGrupo4Gps_Chq;
