/* binkit: the host's BIN table (card-range queries). The operations are declared here with the card
 * capture dialogs that use them. */
#ifndef BINKIT_H
#define BINKIT_H

#include "vortadefs.h"

VORTA_BEGIN
VORTA_END

#endif
