// Withdrawal menu: INSS benefit card, bank card, cheque, withdrawal receipt. The card options read the card
// here, before their form opens.
#pragma once

#include "frame/Menumodelolumo.h"

namespace Menusaque {

// Whether option n (1 to 4) is offered: option 1 when the withdrawal record accepts the benefit account,
// options 2 to 4 by the bits 2, 4 and 8 of modo (the transaction-mode record's withdrawal code; -1 when it is
// no number offers all three).
bool OpcaoHabilitada(int opcao, int modo, bool aceitaBeneficioINSS);

} // namespace Menusaque

class TFrmSaque_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmSaque_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();

private:
    // Reads and analyses the customer's card; on failure the operation is reported cancelled and the menu
    // closes.
    bool LeCartao();
};

extern TFrmSaque_Mnu* FrmSaque_Mnu;
