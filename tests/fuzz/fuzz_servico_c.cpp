// Service c (document authentication) into the per-document fields.
#include "Alvo.h"

#include "protocol/ServicosResposta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    fuzz::Grava(20038, 0, e.dados);
    IndiceDocsConsultadosOK.clear();
    for (int i = 0; i < (e.controle & 7); ++i)
        IndiceDocsConsultadosOK.push_back((e.controle >> 3) + i - 1);
    TrataServicoc_AutenticacaoDocumento();
    return 0;
}
