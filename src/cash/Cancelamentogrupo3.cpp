#include "cash/Cancelamentogrupo3.h"

#include "protocol/Tabelatrn.h"
#include "protocol/Variaveis.h"

namespace Cancelamentogrupo3 {

void DefineDadosContaRecibo(const QString& texto) {
    Tabelatrn::CopiaTexto(Tabelatrn::acDadosConta_Recibo, texto);
}

} // namespace Cancelamentogrupo3
