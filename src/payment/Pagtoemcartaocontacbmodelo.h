// Bill payment debited to the correspondent bank's card account: the requests it sends.
#pragma once

#include "basekit.h"

namespace Pagtoemcartaocontacbmodelo {

extern TTabelaTrn TrnPagamentoCB;

} // namespace Pagtoemcartaocontacbmodelo
