// Service A: the search by record type, the conversion to service 3, the loan simulation record "0340" and
// the save and restore of the occurrences.
#include "Alvo.h"

#include "protocol/ServicosResposta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    using namespace Lumomain;
    fuzz::Prepara();
    const auto e = fuzz::Separa(d, n);
    fuzz::Servico(20010, fuzz::Linhas(e.dados), 4, e.controle);

    const int maximo = ((e.controle >> 2) & 7) * 20 + 1;
    for (const char* tipo : {"01", "02", "03"}) {
        const QString r = ProcuraServicoA(maximo, tipo);
        fuzz::Exige(r.size() <= maximo, "result cut to the maximum");
        if (tipo[1] == '3') fuzz::Exige(r.isEmpty(), "only types 01 and 02 are found");
    }
    const QString senha = ProcuraServicoA(200, "02");
    fuzz::Exige(senha.isEmpty() || (senha.size() <= 116 && senha.mid(4, 2) == QLatin1String("02")),
                "a PIN record of 116 characters at most");
    Converte_ServicoA_Em_Servico3();
    TrataServicoXEmprestimoSimula();
    fuzz::Exige(ServicoXSimulaEmprestimo.Opcoes.size() <= 9, "at most nine loan plans");
    SalvaServicoAConsParam();
    RecuperaServicoAConsParam();
    return 0;
}
