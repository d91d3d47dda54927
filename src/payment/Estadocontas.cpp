#include "payment/Estadocontas.h"

namespace Contas {

bool Digitado = false;
bool ProximoDocumento = false;
bool ConsultaPagtoOK = false;
Registro<41> ServACPP;
Registro<37> ServACB;
Registro<78> ServACP;
Registro<40> ServicoACB_ACP_Rede;
int iTrataValorMulta = 0;
int iTrataValorJurosMora = 0;
int iTrataBeneficiario = 0;
int iTrataSacadorAvalista = 0;
int iTrataPagador = 0;
int iTrataFluxoApresInfoBolReg = 0;

void Limpa() {
    Digitado = ProximoDocumento = ConsultaPagtoOK = false;
    ServACPP.limpa();
    ServACB.limpa();
    ServACP.limpa();
    ServicoACB_ACP_Rede.limpa();
    iTrataValorMulta = iTrataValorJurosMora = iTrataBeneficiario = iTrataSacadorAvalista = iTrataPagador = 0;
    iTrataFluxoApresInfoBolReg = 0;
}

} // namespace Contas
