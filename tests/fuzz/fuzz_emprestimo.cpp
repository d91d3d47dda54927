// Loan records: the three payroll-loan kinds and the simulation record "0340" of service A.
#include "Alvo.h"

#include "protocol/ServicosResposta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    TrataServicoXEmprestimoConsignado(42 + (e.controle & 3), e.dados);
    fuzz::Exige(ServicoXConsultaEmprestimoConsignado.Entradas.size() <= 99, "at most 99 entries");
    fuzz::Exige(ServicoXConsultaEmprestimoConsignado.Dados.vazio(4, 23), "account block not kept");
    fuzz::Servico(20010, fuzz::Linhas(e.dados), 4, e.controle >> 2);
    TrataServicoXEmprestimoSimula();
    fuzz::Exige(ServicoXSimulaEmprestimo.Opcoes.size() <= 9, "at most nine loan plans");
    return 0;
}
