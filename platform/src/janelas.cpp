// winkit and opkit: bringing the owner window forward and validating a supervisor.
#include "Estado.h"
#include "opkit.h"
#include "winkit.h"

#include <QWidget>

using namespace vorta;

extern "C" {

void VORTA_CALL ColocaJanelaEmPrimeiroPlano(uintptr_t janela) {
    estado().ultimaJanelaPrimeiroPlano = janela;
    // Raise only: activating the owner would take the focus from the module's modal dialog.
    QWidget* w = janela ? QWidget::find(static_cast<WId>(janela)) : nullptr;
    if (w && w->isVisible()) w->raise();
}

bool VORTA_CALL ValidarOperador(uintptr_t janela, const char* nivel) {
    auto& e = estado();
    ++e.qtdeValidarOperador;
    if (e.respostaOperador >= 0) return e.respostaOperador != 0;
    return e.validador ? e.validador(janela, nivel ? nivel : "", e.validadorContexto) : false;
}

} // extern "C"
