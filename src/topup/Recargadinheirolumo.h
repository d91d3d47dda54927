// Mobile top-up paid in cash: the shop receives the money and passes it on to the branch.
#pragma once

#include "basekit.h"
#include "topup/Trncelmodelo.h"

namespace Recargadinheirolumo {

extern const TTabelaTrn TrnRecargaDinheiro;

} // namespace Recargadinheirolumo

class TFrmRecDin : public TFrmTrnCel_Mod {
    Q_OBJECT
public:
    explicit TFrmRecDin(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

protected:
    // The BACEN identification of a value at or above the limit of the parameter load.
    bool VerificaAntesDeAutorizar() override;
};

extern TFrmRecDin* FrmRecDin;
