// Loan query: no field of its own; it opens on Confirm, which presses itself, and sends the query with the
// customer identified by the card or account dialog before it.
#pragma once

#include "frame/Trnmodeloemprestimo.h"

class TFrmConsEmprest : public TFrmTrnEmpr_Mod {
    Q_OBJECT
public:
    explicit TFrmConsEmprest(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

protected:
    TFrmConsEmprest(QWidget* pai, const QString& nome);
    virtual QString CodigoOperacao() const { return QStringLiteral("12"); }
};

extern TFrmConsEmprest* FrmConsEmprest;
