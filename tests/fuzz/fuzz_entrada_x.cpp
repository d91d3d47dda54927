// Service X "Q": the Pague Fácil entry list, from its joined text and from the occurrences of service X.
#include "Alvo.h"

#include "protocol/ServicosResposta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    if (e.controle & 0x80) {
        fuzz::Servico(20033, fuzz::Linhas(e.dados), 5, e.controle);
        TrataServicoX_PagueFacil_Entrada();
    } else {
        const int qtde = e.controle & 0x7F;
        TrataServicoQ_PagueFacil_Entrada(e.dados, qtde);
        fuzz::Exige(ConsultaEntradaServicoQ.Entradas.size() <= static_cast<size_t>(qtde),
                    "no more entries than X occurrences");
    }
    for (const auto& entrada : ConsultaEntradaServicoQ.Entradas)
        fuzz::Exige(entrada.Perguntas.size() <= 99, "at most 99 questions");
    return 0;
}
