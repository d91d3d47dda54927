// Cancellation of a bill paid by a card sale of the host's card module (the generic payment): the bank is
// asked which card sale paid the bill, the host cancels that sale, then the bank cancels the payment.
#pragma once

#include "basekit.h"
#include "payment/Cancelamentotrnlumo.h"

namespace Cancgenericolumo {

extern const TTabelaTrn TrnCancelamentoGenerico;
extern const TTabelaTrn TrnConsultaCancelamentoGenerico;

} // namespace Cancgenericolumo

class TFrmGen_Cnc : public TFrmCnc_Trn {
    Q_OBJECT
public:
    explicit TFrmGen_Cnc(QWidget* pai);
    bool GravaCamposHostlink() override;
    void btConfirmaClick();
    void btRetornaClick();
};

extern TFrmGen_Cnc* FrmGen_Cnc;

// What the host's card module needs to cancel the card sale that paid the bill, from the bank's answer to the
// query (service A, field 20010): characters 0-3 the company of the sale, 4-6 its network, 7-18 its amount in
// cents, 19-30 the sale's NSU and 31-38 its date (DDMMYYYY). They go to 1037, 10112, 1003, 1013 and 1020,
// with 10236 "2" (a cancellation). False, with nothing written, when the answer does not describe a sale.
bool GravaDadosTrnCancelamentoTEF();
