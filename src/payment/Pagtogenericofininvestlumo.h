// Generic Fininvest card payment: the requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Pagtogenericolumo.h"

#include <array>

namespace Pagtogenericofininvestlumo {

// Module variables whose current text the descriptors send (NUL-terminated).
extern std::array<char, 64> acPagamentoDinheiro;
extern std::array<char, 64> acPagamentoCheque;
extern std::array<char, 64> acPagamentoTefDebito;

extern const TTabelaTrn TrnPagamentoGenericoFininvest;

} // namespace Pagtogenericofininvestlumo

// The card invoice's generic payment: the host's debit sale reported with the parts paid in cash and by
// cheque.
class TFrmPagto_GenFin : public TFrmPagto_Gen {
    Q_OBJECT
public:
    explicit TFrmPagto_GenFin(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmPagto_GenFin* FrmPagto_GenFin;
