// Resumes a pending payment when the host enters the module for it.
#pragma once

#include "basekit.h"
#include "frame/Trnmodelolumo.h"

class TFrmPgt_Con : public TFrmTrn_Mod {
    Q_OBJECT
public:
    explicit TFrmPgt_Con(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

    // Start of the dialog, run by the entry point without operator input: sends the continuation and leaves
    // its result in the host fields.
    void btConfirmaClick();
    void IniciaSemOperador() override { btConfirmaClick(); }

    // Field 1009 as the continuation left it (255 when nothing was sent).
    int iResultado = 255;

protected:
    void FormShow() override;
    void FormActivate() override;

private:
    bool bIniciado = false;
};

extern TFrmPgt_Con* FrmPgt_Con;

// The request the dialog sends.
namespace Continuarpagamento {

extern const TTabelaTrn TrnContinuarPagamento;

} // namespace Continuarpagamento
