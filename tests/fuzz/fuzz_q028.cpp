// Service Q "028": the Pague Fácil catalogue pages, parsed and accumulated as a paged query does.
#include "Alvo.h"

#include "protocol/ServicosResposta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    const auto paginas = fuzz::Linhas(e.dados, 8);
    fuzz::Grava(10155, 0, std::to_string(e.controle >> 1));
    // Each page is the reply of one request: the records of the reply, then the parse and the accumulation.
    for (size_t p = 0; p < paginas.size(); ++p) {
        HostlinkLimpaCampo(20026);
        fuzz::Servico(20026, {paginas[p]}, 5, e.controle & 1);
        if (!TrataServicoQ_028()) continue;
        fuzz::Exige(Tabela_ServicoQ_028.Entradas.size() < 100 &&
                        Tabela_ServicoQ_028_UF.Entradas.size() < 100 &&
                        Tabela_ServicoQ_028_Empresa_Produto.Entradas.size() < 100 &&
                        Tabela_ServicoQ_028_Valores.Entradas.size() < 100,
                    "a page holds at most 99 entries");
        GravaDadosServicoQ_028();
    }
    return 0;
}
