// Life cycle of the module's units: each initialization runs once per load, the finalizations run at unload
// in the reverse order.
#pragma once

namespace Unidades {
void Inicializa();
void Finaliza();
} // namespace Unidades

namespace Lumomain {
void InicializaUnidade();
void FinalizaUnidade();
// Flushes deferred deletes and releases the application object if the module created it.
void FinalizaAplicacao();
} // namespace Lumomain
