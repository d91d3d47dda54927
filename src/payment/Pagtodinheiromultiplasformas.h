// Fininvest payment in several forms, started from the cash form: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtodinheiromultiplasformas {

extern TTabelaTrn TrnPagtoDeb_Din_Fin;
extern TTabelaTrn TrnPagtoDin_Chq_Fin;
extern TTabelaTrn TrnPagtoDeb_Din_Chq_Fin;

} // namespace Pagtodinheiromultiplasformas
