// GPS payment in cash: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4gps.h"

namespace Pagtoemdinheirogpsgrupo4 {

extern const TTabelaTrn TrnPagamentoDinheiroGPS;

} // namespace Pagtoemdinheirogpsgrupo4

class TFrmPgtGrupo4Gps_Din : public TFrmPgtGrupo4_GPS {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4Gps_Din(QWidget* pai);
};

extern TFrmPgtGrupo4Gps_Din* FrmPgtGrupo4Gps_Din;
