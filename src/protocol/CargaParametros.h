// The parameter load of a payment group as a flow without a screen: the request for the group in GrupoPagto,
// the reply's h-records kept in the module's records and the conversions some groups need. The wait dialog
// (frame) runs it.
#pragma once

#include "basekit.h"

class QObject;

namespace Lumomain {

// Sends the load (pedido: the load's request table as sent) with progress texts to status; false when the
// bank refused it or nothing came back (the reason is in 1009/1027).
bool ExecutaCargaParametros(const TTabelaTrn& pedido, QObject* status);

} // namespace Lumomain
