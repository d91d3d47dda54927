// Service Q "082" (network bill query) and the amounts of a network bill payment taken from it.
#include "Alvo.h"

#include "protocol/ServicosResposta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    const auto linhas = fuzz::Linhas(e.dados);
    fuzz::Servico(20026, linhas, 5, e.controle);
    TabelaServicoQ_082_DadosConsultaCodigoBarras.limpa();
    const bool veio = VerificaTrataServicoQ_082();
    fuzz::Exige(!veio || TabelaServicoQ_082_DadosConsultaCodigoBarras.dados[63] == '\0',
                "63 characters kept after the record type");
    if (e.controle & 4) fuzz::Grava(10102, 3, linhas.empty() ? std::string_view() : linhas.back());
    fuzz::Grava(10446, 0, linhas.size() > 1 ? linhas[1] : std::string_view("0"));
    iVeioServicoh45 = 0;
    TrataPagamentoContasRede_045_082();
    return 0;
}
