#include "payment/Coletacampocpfcnpjdadosadicionaisboletoregistrado.h"

bool ColetaCPFCNPJBoletoRegistradoContingencia() {
    return false;
}
