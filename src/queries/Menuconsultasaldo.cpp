#include "queries/Menuconsultasaldo.h"

#include "protocol/ServicosResposta.h"
#include "queries/Consultasaldocartao.h"
#include "queries/Consultasaldodadosconta.h"
#include "resources/Mensagens.h"

TFrmCnsSld_Mnu* FrmCnsSld_Mnu = nullptr;

namespace {

// Kind of the card read: the balance record's network applies.
constexpr int TIPO_LEITURA_SALDO = 4;

// The balance code of the transaction-mode record, or the balance flags of the collection record.
bool Oferecida(int opcao, bool) {
    return Menumagneticodadosconta::OpcaoOferecida(opcao, 27, 25, 26);
}

using M = TFrmCnsSld_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::OpcaoCartaoMagnetico, {}, Oferecida, &M::spOpcao1Click},
    {msg::OpcaoDadosConta, {}, Oferecida, &M::spOpcao2Click},
};

} // namespace

TFrmCnsSld_Mnu::TFrmCnsSld_Mnu(QWidget* pai)
    : TFrmMagDdCta_Mnu(pai, QString(), msg::TituloSelecionaTipoOperacaoConsultaSaldo, kOpcoes,
                       msg::MsgTipoOperacaoConsultaSaldo) {}

bool TFrmCnsSld_Mnu::spOpcao1Click() {
    if (!spOpcao1Base()) return false;
    Lumomain::TrataVersaoVortaCB();
    if (!LeCartao(TIPO_LEITURA_SALDO)) return false;
    AbreFormulario(FrmCnsSld_Crt);
    return true;
}

bool TFrmCnsSld_Mnu::spOpcao2Click() {
    if (!spOpcao2Base()) return false;
    AbreFormulario(FrmCnsSld_DConta);
    return true;
}
