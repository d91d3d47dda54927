// How a card invoice paid in several forms is split: the parts in cash, by cheque and by debit card, which
// must add up to the total.
#pragma once

#include "frame/Coletavalortrn.h"

#include <array>

class TFrmCVC_MFP : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmCVC_MFP(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    // 10183 cash, 10184 cheques, 10185 card; per form (0 cash, 1 cheque, 2 card) 10188 "1" when used and
    // 10187 its method code; 10189 the number of forms used.
    bool GravaCamposHostlink() override;

    QLabel* lbTotal = nullptr;
    // Cash, cheque, debit card.
    std::array<QLabel*, 3> lbParte{};
    std::array<QLineEdit*, 3> edParte{};

private:
    static Partes::Grade GradePartes();
};

namespace Valoresmultiplasformas {
// Indexes of the parts, as in fields 10187 and 10188.
enum Parte { DINHEIRO = 0, CHEQUE = 1, DEBITO = 2 };
// Whether the split written by the dialog uses this part.
bool Usada(Parte parte);
} // namespace Valoresmultiplasformas
