#include "frame/Passosmenu.h"

#include "frame/Indisponivel.h"
#include "frame/Lumomain.h"
#include "frame/Modelolumo.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

namespace MenusEntrada {

bool CarregaGrupo(TFrmMod* menu, const char* grupo) {
    Lumomain::GrupoPagto = QLatin1String(grupo);
    return menu->RealizaCargaParametros();
}

bool ConfereBanco(TFrmMod* menu) {
    if (Lumomain::VerificaDadosBanco()) return true;
    host::EnviaArquivoErroPDV(255, QString::fromUtf8(msg::ErroBancoInvalido));
    menu->setModalResult(TFrmMod::mrOk);
    return false;
}

void SalvaParametrosGrupo1() {
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoAConsParam();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    Lumomain::SalvaDPCHIP();
    Lumomain::SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
}

void SalvaParametrosContaCartao() {
    Lumomain::SalvaServicoAConsParam();
    Lumomain::SalvaDPCHIP();
    Lumomain::TrataVersaoVortaCB();
    Lumomain::SalvaServicoHzinho_21_Informacoes_Gerais_CB();
    Lumomain::SalvaServicoHzinho_28_FormaPagamentoAutorizadasEmpresa();
}

bool EncerraAposDialogo(const TFrmMod* menu, int codigo) {
    return menu->ModalResult() == TFrmMod::mrNone || (menu->ModalResult() == TFrmMod::mrOk && codigo != 0);
}

void FalhaCriacao(TFrmMod* menu, const char* nomeForm) {
    Lumomain::MostraMensagem(Lumomain::Icone::Erro, TextoFalhaCriacao(nomeForm), menu);
}

void AbreSubstituto(TFrmMod* menu, const char* classe) {
    // The form variable is the class name without its "T".
    if (!AbreIndisponivel(menu, QLatin1String(classe))) FalhaCriacao(menu, classe + 1);
}

} // namespace MenusEntrada
