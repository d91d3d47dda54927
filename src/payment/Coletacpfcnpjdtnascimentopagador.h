// The payer's CPF/CNPJ and birth date of a registered boleto, asked above the BACEN reference value.
#pragma once

#include "frame/Modelolumo.h"
