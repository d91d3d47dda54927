// DARF Preto payment by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Pagtogrupo4darf.h"

namespace Pagtoemchequedarfpretogrupo4 {

extern const TTabelaTrn TrnPagamentoChequeDarfPreto;

} // namespace Pagtoemchequedarfpretogrupo4

class TFrmPgtGrupo4DarfPreto_Chq : public TFrmPgtGrupo4_DarfPreto {
    Q_OBJECT
public:
    explicit TFrmPgtGrupo4DarfPreto_Chq(QWidget* pai);
};

extern TFrmPgtGrupo4DarfPreto_Chq* FrmPgtGrupo4DarfPreto_Chq;
