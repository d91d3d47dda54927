// Choice in the plain value list of a branch: its fixed values with their bonus, and the free value when
// the branch has a range.
#pragma once

#include "topup/Capturacelular.h"

class QLabel;
namespace Partes {
class ListaTeclado;
}

class TFrmSelVlr_Rec : public TFrmCapCel_Mod {
    Q_OBJECT
public:
    explicit TFrmSelVlr_Rec(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;

    Partes::ListaTeclado* cb_Valores = nullptr;
    QLabel* lbValor = nullptr;
    QLabel* lbInfoBonus = nullptr;
    QLabel* lbBonus = nullptr;

protected:
    bool ConcluiConfirmacao() override;

private:
    void cb_ValoresChange();
    // The index of the selected fixed value; -1 for the free value or none.
    int IndiceFixo() const;
};

extern TFrmSelVlr_Rec* FrmSelVlr_Rec;
