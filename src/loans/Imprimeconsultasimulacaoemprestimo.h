// What the customer must read before a loan is signed, built from the loan records: the account, each
// pre-approved limit (amount, rate, smallest instalment, first due date window) or the payroll agreements and
// the largest proposal. Shown, and handed to the host's receipt when the operator prints it.
#pragma once

#include "frame/Modelolumo.h"

#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace Imprimeconsultasimulacaoemprestimo {

// The summary's lines, 38 columns wide, of the pre-approved loan's query or of the payroll loan's records.
QStringList Linhas(bool consignado);

} // namespace Imprimeconsultasimulacaoemprestimo

class TFrmCnsSimEmpr_Impr : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmCnsSimEmpr_Impr(QWidget* pai);

    void btImprimeClick();
    void btContinuaClick();

    QPlainTextEdit* mmDados = nullptr;
    QPushButton* btImprime = nullptr;
    QPushButton* btContinua = nullptr;

    // Which loan the next summary opened shows.
    static bool Consignado;

protected:
    bool FormCreate() override;
    void reject() override;
};

extern TFrmCnsSimEmpr_Impr* FrmCnsSimEmpr_Impr;
