// Screens that a lower layer opens without knowing their area (the entry points' first menus and started
// dialogs, the payer dialog of the transaction form, the withdrawal of a bill payment): each area enters the
// maker of its screens here under the class name, and the caller asks by that name.
#pragma once

#include "frame/Modelolumo.h"

class QWidget;

namespace Fabricas {

using Fabrica = TFrmMod* (*)(QWidget* pai);

struct Registra {
    Registra(const char* classe, Fabrica fabrica);
};

// The maker entered under the class name; nullptr when no area entered one.
Fabrica Busca(const char* classe);
// A screen of that class, created; nullptr when no area entered it or its creation failed.
TFrmMod* Cria(const char* classe, QWidget* pai);

} // namespace Fabricas

// Enters the screen class T under its own name; written once in the unit that defines T.
#define CB_FABRICA(T)                                                                                        \
    const Fabricas::Registra fabrica##T(#T, [](QWidget* pai) -> TFrmMod* { return TFrmMod::Cria<T>(pai); })
