#include "payment/Capturacodigobarras.h"
