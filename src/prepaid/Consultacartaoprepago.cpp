#include "prepaid/Consultacartaoprepago.h"

#include "frame/Menumodelolumo.h"
#include "frame/Selecionadorcbfininvest.h"

// Until the balance and statement dialogs come, both options open the "not enabled" stand-in.
namespace Consultacartaoprepago {

void ExecutaConsultaSaldo(TFrmMnu_Mod* menu) {
    MenusEntrada::AbreSubstituto(menu, "TFrmCnsCartaoPrePago");
}

void ExecutaConsultaExtrato(TFrmMnu_Mod* menu) {
    MenusEntrada::AbreSubstituto(menu, "TFrmCnsExtratoCrtPrePago");
}

} // namespace Consultacartaoprepago
