/* opkit: operator validation of the host. */
#ifndef OPKIT_H
#define OPKIT_H

#include "vortadefs.h"

VORTA_BEGIN

/* Asks for the credentials of an operator of the given level ("2" = supervisor); true when they hold. */
VORTA_EXPORT bool VORTA_CALL ValidarOperador(uintptr_t janela, const char* nivel);

VORTA_END

#endif
