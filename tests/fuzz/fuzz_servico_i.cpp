// Service I (receipt lines): the merge of the saved lines around a cut mark and the save of the receipt.
#include "Alvo.h"

#include "protocol/Estado.h"
#include "protocol/ServicosResposta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    const auto linhas = fuzz::Linhas(e.dados);
    // Even lines are the receipt, odd lines the saved copy; the first line may give the saved count.
    std::vector<std::string_view> cupom, salvas;
    for (size_t i = 0; i < linhas.size(); ++i)
        (i % 2 ? salvas : cupom).push_back(linhas[i]);
    fuzz::Servico(20018, cupom, 5, e.controle);
    for (size_t i = 0; i < salvas.size(); ++i)
        fuzz::Grava(10238, static_cast<int>(i), salvas[i]);
    fuzz::Grava(10239, 0,
                (e.controle & 4) && !linhas.empty() ? linhas.front().substr(0, 3)
                                                    : std::to_string(salvas.size()));
    TrnCNC = e.controle & 8;
    NumeroLinhaRecorteAqui = (e.controle >> 4) & 7;
    NumeroLinhasCupomTEF = static_cast<int>(cupom.size()) + (e.controle >> 7);
    RestauraServicoI();
    GravaServicoI_Ext(e.controle & 16);
    TrnCNC = false;
    return 0;
}
