// DARF Simples payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4darf.h"

namespace Pagtoemcartaodebitodarfsimplesgrupo4 {

extern const TTabelaTrn TrnPagamentoDebitoDarfSimples;

} // namespace Pagtoemcartaodebitodarfsimplesgrupo4

class TFrmPgtGrupo4DarfSimples_Crt : public TFrmPgtGrupo4_DarfSimples {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4DarfSimples_Crt(QWidget* pai);
};

extern TFrmPgtGrupo4DarfSimples_Crt* FrmPgtGrupo4DarfSimples_Crt;
