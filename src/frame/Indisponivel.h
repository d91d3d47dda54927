// Stands in for a screen whose function this till does not offer yet: it says so, and the operator's
// confirmation reports "Transacao Nao Habilitada" to the point of sale.
#pragma once

#include "frame/Modelolumo.h"

class QPushButton;

class TFrmIndisponivel : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmIndisponivel(QWidget* pai);

    // The screen it stands in for ("TFrmCAP_CCB"), shown as its title.
    void DefineFormulario(const QString& classe);
    void btConfirmaClick();

    QPushButton* btConfirma = nullptr;
};

// Opens the stand-in for the named screen from a menu or dialog, as CriaExecutaForm would open that screen.
bool AbreIndisponivel(TFrmMod* chamador, const QString& classe);
