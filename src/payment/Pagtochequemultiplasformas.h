// Fininvest payment in several forms, started from the cheque form: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtochequemultiplasformas {

extern TTabelaTrn TrnPagtoDin_Chq_Fin;
extern TTabelaTrn TrnPagtoDeb_Chq_Fin;
extern TTabelaTrn TrnPagtoDeb_Din_Chq_Fin;

} // namespace Pagtochequemultiplasformas
