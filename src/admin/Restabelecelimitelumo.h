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

    // Start of the dialog: reports the restoration's result in fields 1009 and 1027 and the result file.
    void btConfirmaClick();
    void IniciaSemOperador() override { btConfirmaClick(); }

    QPushButton* btConfirma = nullptr;
};

extern TFrmMod_RestabeleceLimite* FrmMod_RestabeleceLimite;

// The request the dialog sends.
namespace Restabelecelimitelumo {

extern const TTabelaTrn TrnRestabeleceLimite;

} // namespace Restabelecelimitelumo
