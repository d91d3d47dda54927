#include "payment/Liquidacaocontas.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace Liquidacao {

bool GravaCamposLiquidacao(Tabelatrn::Ajustes& ajustes, const char* funcao, const char* forma) {
    const int qtde = std::max(0, Lumomain::QtdeDocsConsultadosOK);
    if (!Grava(10158, QLatin1String(funcao))) return false;
    if (!Grava(10102, QString::number(qtde))) return false;
    // The block of the seven per-document fields goes once per accepted document.
    ajustes.documentos = static_cast<uint16_t>(qtde);
    if (forma == nullptr) return true;
    // The card-invoice requests carry the method once per document as well.
    for (int i = 0; i < std::max(1, qtde); ++i)
        if (!Grava(1112, QLatin1String(forma), i)) return false;
    return true;
}

bool MarcadoRede() {
    return host::LeCampo(10404) == QLatin1String("1");
}

bool PagamentoRede() {
    return MarcadoRede() && host::LeCampo(10112) == QLatin1String("005");
}

void TrataValoresAdicionaisRede(Tabelatrn::Ajustes& ajustes) {
    if (!Lumomain::TrataPagamentoContasRede_045_082()) ajustes.semEntradaAntesValoresAdicionais = true;
}

void CopiaTexto(char* destino, std::size_t capacidade, const QString& texto) {
    if (capacidade == 0) return;
    const std::string bytes = host::paraLatin1(texto);
    const std::size_t n = std::min(bytes.size(), capacidade - 1);
    std::memcpy(destino, bytes.data(), n);
    std::memset(destino + n, 0, capacidade - n);
}

} // namespace Liquidacao
