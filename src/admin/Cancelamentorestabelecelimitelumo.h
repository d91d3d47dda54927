// Cancellation counterpart of the credit-limit restoration.
#pragma once

#include "admin/Restabelecelimitelumo.h"

class TFrmMod_RestabeleceLimiteCnc : public TFrmMod_RestabeleceLimite {
    Q_OBJECT
public:
    explicit TFrmMod_RestabeleceLimiteCnc(QWidget* pai);
};

extern TFrmMod_RestabeleceLimiteCnc* FrmMod_RestabeleceLimiteCnc;
