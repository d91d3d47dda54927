// Fininvest payment in several forms, started from the cash form: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtodinheiromultiplasformas {

extern const TTabelaTrn TrnPagtoDeb_Din_Fin;
extern const TTabelaTrn TrnPagtoDin_Chq_Fin;
extern const TTabelaTrn TrnPagtoDeb_Din_Chq_Fin;

} // namespace Pagtodinheiromultiplasformas
