// Balance and statement of a prepaid card, as the prepaid-card menu runs them.
#pragma once

class TFrmMnu_Mod;

namespace Consultacartaoprepago {

// The balance query: card, PIN, authorisation and result file; the menu closes.
void ExecutaConsultaSaldo(TFrmMnu_Mod* menu);
// The statement dialog; the menu's buttons come back when it ends without a result.
void ExecutaConsultaExtrato(TFrmMnu_Mod* menu);

} // namespace Consultacartaoprepago
