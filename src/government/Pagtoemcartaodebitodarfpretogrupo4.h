// DARF Preto payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4darf.h"

namespace Pagtoemcartaodebitodarfpretogrupo4 {

extern const TTabelaTrn TrnPagamentoDebitoDarfPreto;

} // namespace Pagtoemcartaodebitodarfpretogrupo4

class TFrmPgtGrupo4DarfPreto_Crt : public TFrmPgtGrupo4_DarfPreto {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4DarfPreto_Crt(QWidget* pai);
};

extern TFrmPgtGrupo4DarfPreto_Crt* FrmPgtGrupo4DarfPreto_Crt;
