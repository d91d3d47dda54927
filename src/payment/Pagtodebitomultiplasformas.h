// Fininvest payment in several forms, started from the debit form: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtoemcartaodebitofininvest.h"

namespace Pagtodebitomultiplasformas {

extern const TTabelaTrn TrnPagtoDeb_Din_Fin;
extern const TTabelaTrn TrnPagtoDeb_Chq_Fin;
extern const TTabelaTrn TrnPagtoDeb_Din_Chq_Fin;

} // namespace Pagtodebitomultiplasformas

// A card invoice paid partly in cash and partly by debit card: the card's part goes with the debit request.
class TFrmPFN_Deb_MFP : public TFrmPgt_DebFin {
    Q_OBJECT
public:
    explicit TFrmPFN_Deb_MFP(QWidget* pai);

    void IniciaCamposForm() override;
};

extern TFrmPFN_Deb_MFP* FrmPFN_Deb_MFP;
