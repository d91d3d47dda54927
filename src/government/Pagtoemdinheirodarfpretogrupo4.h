// DARF Preto payment in cash: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4darf.h"

namespace Pagtoemdinheirodarfpretogrupo4 {

extern const TTabelaTrn TrnPagamentoDinheiroDarfPreto;

} // namespace Pagtoemdinheirodarfpretogrupo4

class TFrmPgtGrupo4DarfPreto_Din : public TFrmPgtGrupo4_DarfPreto {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4DarfPreto_Din(QWidget* pai);
};

extern TFrmPgtGrupo4DarfPreto_Din* FrmPgtGrupo4DarfPreto_Din;
