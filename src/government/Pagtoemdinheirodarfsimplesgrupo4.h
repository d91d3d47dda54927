// DARF Simples payment in cash: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4darf.h"

namespace Pagtoemdinheirodarfsimplesgrupo4 {

extern const TTabelaTrn TrnPagamentoDinheiroDarfSimples;

} // namespace Pagtoemdinheirodarfsimplesgrupo4

class TFrmPgtGrupo4DarfSimples_Din : public TFrmPgtGrupo4_DarfSimples {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4DarfSimples_Din(QWidget* pai);
};

extern TFrmPgtGrupo4DarfSimples_Din* FrmPgtGrupo4DarfSimples_Din;
