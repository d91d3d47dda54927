// Withdrawal of an INSS benefit with the benefit card: the request it sends and its form.
#pragma once

#include "basekit.h"
#include "frame/Coletatipoconta.h"

namespace Saquebeneficioinss {

extern const TTabelaTrn TrnSaqueINSS;

} // namespace Saquebeneficioinss

// The benefit account is the only one the card draws on: no type to choose.
class TFrmSaque_INSS : public TFrmTrnCrt_Grp3_Valor {
    Q_OBJECT
public:
    explicit TFrmSaque_INSS(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmSaque_INSS* FrmSaque_INSS;
