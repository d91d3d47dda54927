// Service M (Pague Fácil message) and the CR LF collapse it goes through.
#include "Alvo.h"

#include "protocol/ServicosResposta.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    fuzz::Grava(20022, 0, e.dados);
    fuzz::Exige(TrataServicoM_PagueFacil().size() <= 128, "one line of 128 characters at most");

    const int capacidade = e.controle + 1;
    std::vector<char> buffer(static_cast<size_t>(capacidade), '\0');
    std::copy_n(e.dados.begin(), std::min(e.dados.size(), buffer.size()), buffer.begin());
    const int tamanho = TrocaCRLFEspaco(buffer.data(), capacidade, static_cast<int>(e.dados.size()));
    fuzz::Exige(tamanho >= 0 && tamanho <= 128 && tamanho < capacidade &&
                    buffer[static_cast<size_t>(tamanho)] == '\0',
                "collapsed text ends inside the buffer");
    return 0;
}
