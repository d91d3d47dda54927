// Balance and statement of a prepaid card, as the prepaid-card menu runs them, and the balance dialog: a
// notice with no buttons that reads the card and the PIN and sends the query as soon as it is on screen.
#pragma once

#include "frame/Modelolumo.h"

class QLabel;
class QTimer;
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

class TFrmCnsCartaoPrePago : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmCnsCartaoPrePago(QWidget* pai);

    // Reads the card and the PIN and sends the balance query; the dialog closes on every path, with the
    // outcome in fields 1009 and 1027.
    void ConsultaSaldo();

    QLabel* lbAviso = nullptr;
    // Starts the query once the dialog is on screen.
    QTimer* TClique = nullptr;

protected:
    bool FormCreate() override;
    void FormShow() override;
    void FormActivate() override;

private:
    void IniciaConsulta();

    bool iniciou_ = false;
};

extern TFrmCnsCartaoPrePago* FrmCnsCartaoPrePago;
