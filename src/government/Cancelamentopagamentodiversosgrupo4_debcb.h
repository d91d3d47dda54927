// Cancellation of a DARF or GPS payment with a debit card: the requests it sends.
#pragma once

#include "basekit.h"
#include "government/Cancelamentopagamentodiversosgrupo4_trn.h"

namespace Cancelamentopagamentodiversosgrupo4_debcb {

extern const TTabelaTrn TrnCancelamentoDebitoCB;

} // namespace Cancelamentopagamentodiversosgrupo4_debcb

class TFrmCancPagtoDiv_DebCB : public TFrmCancPagtoDiv_Trn {
    Q_OBJECT
public:
    explicit TFrmCancPagtoDiv_DebCB(QWidget* pai);
    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

private:
    // The card's PIN and chip data, then the request; whatever the bank answers, the call ends.
    void Confirmacao();
};

extern TFrmCancPagtoDiv_DebCB* FrmCancPagtoDiv_DebCB;
