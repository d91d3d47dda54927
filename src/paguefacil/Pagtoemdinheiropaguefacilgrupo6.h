// Pague Fácil payment in cash: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemdinheiropaguefacilgrupo6 {

extern const TTabelaTrn TrnPagamentoDinheiroPagueFacil;

} // namespace Pagtoemdinheiropaguefacilgrupo6
