#include "payment/Coletacpfcnpjdtnascimentopagador.h"
