// Pague Fácil payment with a debit card, read by the menu before it.
#pragma once

#include "basekit.h"
#include "paguefacil/Pagtogrupo6paguefacil.h"

namespace Pagtoemcartaodebitopaguefacilgrupo6 {

extern const TTabelaTrn TrnPagamentoDebitoPagueFacil;

} // namespace Pagtoemcartaodebitopaguefacilgrupo6

class TFrmPgtGrupo6PagueFacil_Crt : public TFrmPgtGrupo6_PagueFacil {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo6PagueFacil_Crt(QWidget* pai);
};

extern TFrmPgtGrupo6PagueFacil_Crt* FrmPgtGrupo6PagueFacil_Crt;
