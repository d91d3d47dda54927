// h-record 45 (registered boleto) from service X, and its use: the authorised range and the amounts of a
// network bill payment.
#include "Alvo.h"

#include "protocol/ServicosResposta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    const auto linhas = fuzz::Linhas(e.dados);
    fuzz::Servico(20033, linhas, 5, e.controle);
    TrataServicoXh045_BoletoRegistrado();
    fuzz::Exige(iVeioServicoh45 == 0 || iVeioServicoh45 == 1, "h45 flag");
    const std::string_view valor = linhas.empty() ? std::string_view() : linhas.back().substr(0, 20);
    ValidaValorMinMaxBoletoRegistradoCB(
        QString::fromLatin1(valor.data(), static_cast<qsizetype>(valor.size())));
    TrataPagamentoContasRede_045_082();
    return 0;
}
