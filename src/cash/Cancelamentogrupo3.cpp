#include "cash/Cancelamentogrupo3.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace Cancelamentogrupo3 {

void DefineDadosContaRecibo(const QString& texto) {
    auto& buffer = Tabelatrn::acDadosConta_Recibo;
    buffer.fill('\0');
    const std::string bytes = host::paraLatin1(texto);
    std::memcpy(buffer.data(), bytes.data(), std::min(bytes.size(), buffer.size() - 1));
}

} // namespace Cancelamentogrupo3
