#include "loans/Consultaemprestimoconsignado.h"

#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"

TFrmConsEmprestCons* FrmConsEmprestCons = nullptr;

namespace Consultaemprestimoconsignado {

bool TrataResposta(int tipo) {
    const std::string chave = "03" + std::to_string(tipo);
    const std::string registro = host::ProcuraServico(20010, 'A', chave, 1024);
    return !registro.empty() && Lumomain::TrataServicoXEmprestimoConsignado(tipo, registro);
}

} // namespace Consultaemprestimoconsignado

TFrmConsEmprestCons::TFrmConsEmprestCons(QWidget* pai) : TFrmConsEmprest(pai, QString()) {}

void TFrmConsEmprestCons::IniciaCamposForm() {
    TFrmConsEmprest::IniciaCamposForm();
    Descritor = &Tabelatrn::TrnConsultaEmprestimoConsignado;
}
