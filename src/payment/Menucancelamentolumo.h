// Cancellation menu of a bill payment (cancellation mode): how the payment was settled, which opens the
// cancellation dialog of that method, after the card read and BIN query of the card methods.
#pragma once

#include "frame/Menumodelolumo.h"

class TFrmCnc_Mnu : public TFrmMnu_Mod {
    Q_OBJECT
public:
    explicit TFrmCnc_Mnu(QWidget* pai);
    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();
    bool spOpcao5Click();
    bool spOpcao6Click();
    bool spOpcao7Click();

protected:
    // The account options name the payment's service.
    void IniciaFormularioMenu() override;

private:
    // Writes the sale type of field 10107 and runs the BIN query; false (result file written, menu closing)
    // when the query failed.
    bool ConsultaBins(const char* modo);
};

extern TFrmCnc_Mnu* FrmCnc_Mnu;
