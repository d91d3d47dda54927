// Credit-limit restoration: runs without operator input over the entries of "RestabeleceLimite.ini".
#pragma once

#include "basekit.h"
#include "frame/Modelolumo.h"

class QPushButton;

class TFrmMod_RestabeleceLimite : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmMod_RestabeleceLimite(QWidget* pai,
                                       const QString& nome = QStringLiteral("FrmMod_RestabeleceLimite"));

    // Start of the dialog: one restoration request per entry of "RestabeleceLimite.ini", in its order; each
    // entry the bank confirms leaves the file at once. Fields 1009 ("00" when none is left, else the bank's
    // last refusal, "255" with no answer) and 1027 say how many were restored and how many remain.
    void btConfirmaClick();
    void IniciaSemOperador() override { btConfirmaClick(); }

    QPushButton* btConfirma = nullptr;
};

extern TFrmMod_RestabeleceLimite* FrmMod_RestabeleceLimite;

// The request the dialog sends.
namespace Restabelecelimitelumo {

extern const TTabelaTrn TrnRestabeleceLimite;

} // namespace Restabelecelimitelumo
