// Cancellation of an INSS benefit withdrawal: the request it sends and its form. The menu read the benefit
// card before it opened.
#pragma once

#include "basekit.h"
#include "cash/Cancelamentogrupo3.h"

namespace Cancelamentosaquebeneficioinss {

extern const TTabelaTrn TrnCancelamentoSaqueINSS;

} // namespace Cancelamentosaquebeneficioinss

class TFrmCancSaque_INSS : public TFrmCancGrupo3_Trn {
    Q_OBJECT
public:
    explicit TFrmCancSaque_INSS(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmCancSaque_INSS* FrmCancSaque_INSS;
