// Resumes a pending payment when the host enters the module for it.
#pragma once

#include "basekit.h"
#include "frame/Modelolumo.h"

class QPushButton;

class TFrmPgt_Con : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmPgt_Con(QWidget* pai);

    // Start of the dialog, run by the entry point without operator input.
    void btConfirmaClick();

    QPushButton* btConfirma = nullptr;
};

extern TFrmPgt_Con* FrmPgt_Con;

// The request the dialog sends.
namespace Continuarpagamento {

extern TTabelaTrn TrnContinuarPagamento;

} // namespace Continuarpagamento
