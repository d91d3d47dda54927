// The customer identified by the card the menu read: the account type the loan accepts with the card and
// the card's security code. Nothing is sent here; the query that follows carries them.
#pragma once

#include "frame/Coletatipoconta.h"

class TFrmEmpr_Crt : public TFrmTrnCrt_Grp3 {
    Q_OBJECT
public:
    explicit TFrmEmpr_Crt(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* LbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;

protected:
    TFrmEmpr_Crt(QWidget* pai, const QString& nome, bool consignado);
    bool ConcluiConfirmacao() override;
    void hideEvent(QHideEvent* e) override;

private:
    bool consignado_;
};

// The same for the payroll loan, with the account types of its record.
class TFrmEmprCons_Crt : public TFrmEmpr_Crt {
    Q_OBJECT
public:
    explicit TFrmEmprCons_Crt(QWidget* pai);
};

extern TFrmEmpr_Crt* FrmEmpr_Crt;
extern TFrmEmprCons_Crt* FrmEmprCons_Crt;
