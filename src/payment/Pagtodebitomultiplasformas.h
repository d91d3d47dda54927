// Fininvest payment in several forms, started from the debit form: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtodebitomultiplasformas {

extern TTabelaTrn TrnPagtoDeb_Din_Fin;
extern TTabelaTrn TrnPagtoDeb_Chq_Fin;
extern TTabelaTrn TrnPagtoDeb_Din_Chq_Fin;

} // namespace Pagtodebitomultiplasformas
