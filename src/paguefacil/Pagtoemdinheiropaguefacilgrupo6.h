// Pague Fácil payment in cash.
#pragma once

#include "basekit.h"
#include "paguefacil/Pagtogrupo6paguefacil.h"

namespace Pagtoemdinheiropaguefacilgrupo6 {

extern const TTabelaTrn TrnPagamentoDinheiroPagueFacil;

} // namespace Pagtoemdinheiropaguefacilgrupo6

class TFrmPgtGrupo6PagueFacil_Din : public TFrmPgtGrupo6_PagueFacil {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo6PagueFacil_Din(QWidget* pai);
};

extern TFrmPgtGrupo6PagueFacil_Din* FrmPgtGrupo6PagueFacil_Din;
