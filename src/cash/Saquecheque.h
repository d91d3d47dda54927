// Withdrawal by cheque: the request it sends and its form, the cheque-data form with its own title and
// modality.
#pragma once

#include "basekit.h"
#include "frame/Coletadadoschequetrn.h"

namespace Saquecheque {

extern const TTabelaTrn TrnSaqueCheque;

} // namespace Saquecheque

class TFrmSaque_Chq : public TFrmColetaDadosChq_Trn {
    Q_OBJECT
public:
    explicit TFrmSaque_Chq(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmSaque_Chq* FrmSaque_Chq;
