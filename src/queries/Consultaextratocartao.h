// Statement query with the card the menu read: the account type, the period and the statement type, then
// the PIN on the PIN pad.
#pragma once

#include "frame/Coletatipoconta.h"
#include "queries/Consultaconta.h"

class TFrmCnsExtrato_Crt : public TFrmTrnCrt_Grp3 {
    Q_OBJECT
public:
    explicit TFrmCnsExtrato_Crt(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    Consultaconta::CamposExtrato Extrato;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
};

extern TFrmCnsExtrato_Crt* FrmCnsExtrato_Crt;
