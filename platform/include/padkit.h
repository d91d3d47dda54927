/* padkit: the host's PIN-pad package (card reading and analysis, PIN entry, confirmations, chip messages).
 * The operations are declared here with the card and PIN capture dialogs that use them. */
#ifndef PADKIT_H
#define PADKIT_H

#include "vortadefs.h"

VORTA_BEGIN
VORTA_END

#endif
