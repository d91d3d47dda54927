/* winkit: window tools of the host. */
#ifndef WINKIT_H
#define WINKIT_H

#include "vortadefs.h"

VORTA_BEGIN

/* Brings the window with this native handle (the application's owner window) to the foreground. */
VORTA_EXPORT void VORTA_CALL ColocaJanelaEmPrimeiroPlano(uintptr_t janela);

VORTA_END

#endif
