// Fininvest payment in several forms, started from the cheque form: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtoemchequetrn.h"

namespace Pagtochequemultiplasformas {

extern const TTabelaTrn TrnPagtoDin_Chq_Fin;
extern const TTabelaTrn TrnPagtoDeb_Chq_Fin;
extern const TTabelaTrn TrnPagtoDeb_Din_Chq_Fin;

} // namespace Pagtochequemultiplasformas

// A card invoice paid partly by cheque: the cheques' data with the cash and card parts the split gave.
class TFrmPFN_Chq_MFP : public TFrmPgtChq_Trn {
    Q_OBJECT
public:
    explicit TFrmPFN_Chq_MFP(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmPFN_Chq_MFP* FrmPFN_Chq_MFP;
