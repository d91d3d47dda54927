// Withdrawal with a prepaid card: the amount the customer confirmed, the PIN (and, for a holder identified by
// mobile number, the code the bank sent to the phone) and the request.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

class TFrmMod_SaqueCartaoPrePago : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmMod_SaqueCartaoPrePago(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

    // This dialog's own flow: PIN capture and the withdrawal, without the payment steps of the base.
    void btConfirmaClick();

protected:
    void FormActivate() override;

private:
    // After the fields are written: the PIN capture, the request and the result file.
    void Saca();
    // The PIN, then the phone code, of a holder identified by mobile number; false (the dialog ends) when
    // either capture failed.
    bool CapturaSenhaCodigoCelular();
    // Closes the dialog with the host's result file written.
    void EncerraOperacao();

    QTimer* TCliqueSaque = nullptr;
};

extern TFrmMod_SaqueCartaoPrePago* FrmMod_SaqueCartaoPrePago;

namespace Saquepagamentodiversosgrupo7_cartaoprepagolumo {

extern const TTabelaTrn TrnSaqueCartaoPrePago;

} // namespace Saquepagamentodiversosgrupo7_cartaoprepagolumo
