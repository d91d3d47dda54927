// Withdrawal with a bank card (magnetic stripe or chip): the request it sends and its form.
#pragma once

#include "basekit.h"
#include "frame/Coletatipoconta.h"

namespace Saquecartaomagnetico {

extern const TTabelaTrn TrnSaqueCartaoMag;

} // namespace Saquecartaomagnetico

// The benefit account is drawn on with the benefit card only: it is never offered here.
class TFrmSaque_CMag : public TFrmTrnCrt_Grp3_Valor {
    Q_OBJECT
public:
    explicit TFrmSaque_CMag(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmSaque_CMag* FrmSaque_CMag;
