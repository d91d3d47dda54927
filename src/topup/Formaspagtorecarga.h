// How the customer pays the top-up: cash, or a debit card read here before its form opens.
#pragma once

#include "topup/Menucelmodelo.h"

namespace Formaspagtorecarga {

// The summary lines: branch, phone, value, and the tariff with the total when one is known.
QStringList Resumo();

} // namespace Formaspagtorecarga

class TFrmFPagCel_Mnu : public TFrmMnuCel_Mod {
    Q_OBJECT
public:
    explicit TFrmFPagCel_Mnu(QWidget* pai);

    bool spOpcao1Click();
    bool spOpcao2Click();
    bool spOpcao3Click();
    bool spOpcao4Click();

protected:
    void IniciaFormularioMenu() override;
};

extern TFrmFPagCel_Mnu* FrmFPagCel_Mnu;
