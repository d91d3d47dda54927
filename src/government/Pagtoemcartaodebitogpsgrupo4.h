// GPS payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4gps.h"

namespace Pagtoemcartaodebitogpsgrupo4 {

extern const TTabelaTrn TrnPagamentoDebitoGPS;

} // namespace Pagtoemcartaodebitogpsgrupo4

class TFrmPgtGrupo4Gps_Crt : public TFrmPgtGrupo4_GPS {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4Gps_Crt(QWidget* pai);
};

extern TFrmPgtGrupo4Gps_Crt* FrmPgtGrupo4Gps_Crt;
