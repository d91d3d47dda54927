// Cancellation counterpart of the credit-limit restoration.
#pragma once

#include "admin/Restabelecelimitelumo.h"
#include "basekit.h"

class TFrmMod_RestabeleceLimiteCnc : public TFrmMod_RestabeleceLimite {
    Q_OBJECT
public:
    explicit TFrmMod_RestabeleceLimiteCnc(QWidget* pai);
};

extern TFrmMod_RestabeleceLimiteCnc* FrmMod_RestabeleceLimiteCnc;

// The request the dialog sends.
namespace Cancelamentorestabelecelimitelumo {

extern const TTabelaTrn TrnRestabeleceLimite;

} // namespace Cancelamentorestabelecelimitelumo
