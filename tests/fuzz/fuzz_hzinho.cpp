// h-records of a reply: the parameter load's walk and store, the walks of a transaction's reply, and what the
// module builds from the stored records (service A and 3, service 1, saved network codes, server version).
#include "Alvo.h"

#include "protocol/Estado.h"
#include "protocol/ServicosResposta.h"

namespace {

// A record whose type is not a number ends the walk with this error, by design.
template <class F> void Protegido(F f) {
    try {
        f();
    } catch (const Lumomain::ErroConversao&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    fuzz::Servico(20200, fuzz::Linhas(e.dados), 5, e.controle);
    fuzz::Grava(1029, 0, (e.controle & 4) ? "237" : "341");

    IniciaServicosHzinhoParametros();
    Protegido(TrataServicosHzinhoParametros);
    fuzz::Exige(ServicoHzinho_EmpresaTEF.dados.size() % TListaEmpresaTEF::TAMANHO_ENTRADA == 0,
                "company list made of whole entries");
    Protegido(TrataServicoh005_TipoPagamento_Rede);
    Protegido(TrataServicoh027_TipoPagamento);
    Protegido(TrataServicoh046_ControleTicketImpressaoRede);
    Protegido(TrataCamposServicoHzinho_40_ConsultaCartaoPrePago);

    VERSAO_DO_VORTA_CB.clear();
    TrataVersaoVortaCB();
    fuzz::Exige(VERSAO_DO_VORTA_CB.size() <= 15, "server version of 15 characters at most");
    Converte_ServicosHzinho_Em_ServicosA();
    Converte_ServicoA_Em_Servico3();
    MontaServico1_FormataColetaDados();
    MontaServico1_FormataColetaDadosBradescoEMV();
    SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
    RecuperaServicoHzinho_21_Informacoes_Gerais_CB();
    RecuperaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
    RecuperaServicoHzinho_25_InformacaoModoTransacao();
    VerificaDadosBanco();
    return 0;
}
