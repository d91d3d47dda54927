// Balance and statement of a prepaid card, as the prepaid-card menu runs them, and the balance dialog: a
// notice with no buttons that reads the card and the PIN and sends the query as soon as it is on screen.
#pragma once

#include "prepaid/Transacaocartaoprepago.h"

class TFrmMnu_Mod;

namespace Consultacartaoprepago {

// Card-capture kind of the prepaid sub-functions: its network comes from h-record 041.
inline constexpr int TIPO_CARTAO_PREPAGO = 41;

// The balance query: card, PIN, authorisation and result file; the menu closes. The menu has disabled its
// options before either call.
void ExecutaConsultaSaldo(TFrmMnu_Mod* menu);
// The statement dialog, run with the menu as its caller: the menu closes when the statement went out and
// stays open (modal result 0) when the operator returned.
void ExecutaConsultaExtrato(TFrmMnu_Mod* menu);

} // namespace Consultacartaoprepago

class TFrmCnsCartaoPrePago : public TFrmTrnCartaoPrePago_Mod {
    Q_OBJECT
public:
    explicit TFrmCnsCartaoPrePago(QWidget* pai);

    // The card and its PIN, then the request's fields; false (nothing sent) when the card could not be read,
    // the customer gave up on the PIN pad or a write failed, each with its reason in 1009 and 1027.
    bool GravaCamposHostlink() override;

protected:
    // A balance shown is the query's success, whatever the bank answered: the caller writes the result.
    bool TrataResposta(bool) override { return true; }
    // Nothing went: the reason is already in 1009 and 1027 (the PIN pad's own, or the operator's giving
    // up), so only the result file is written.
    void Cancela() override;
};
