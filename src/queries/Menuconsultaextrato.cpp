#include "queries/Menuconsultaextrato.h"

#include "queries/Consultaextratocartao.h"
#include "queries/Consultaextratodadosconta.h"
#include "resources/Mensagens.h"

TFrmCnsExtrato_Mnu* FrmCnsExtrato_Mnu = nullptr;

namespace {

// Kind of the card read: the statement record's network applies.
constexpr int TIPO_LEITURA_EXTRATO = 5;

// The statement code of the transaction-mode record, or the statement flags of the collection record.
bool Oferecida(int opcao, bool) {
    return Menumagneticodadosconta::OpcaoOferecida(opcao, 30, 29, 30);
}

using M = TFrmCnsExtrato_Mnu;
constexpr Menumodelolumo::Opcao<M> kOpcoes[] = {
    {msg::MsgMagneticoCHIP, {}, Oferecida, &M::spOpcao1Click},
    {msg::OpcaoDadosConta, {}, Oferecida, &M::spOpcao2Click},
};

} // namespace

TFrmCnsExtrato_Mnu::TFrmCnsExtrato_Mnu(QWidget* pai)
    : TFrmMagDdCta_Mnu(pai, QString(), msg::TituloSelecionaTipoOperacaoConsultaExtrato, kOpcoes) {}

bool TFrmCnsExtrato_Mnu::spOpcao1Click() {
    if (!spOpcao1Base() || !LeCartao(TIPO_LEITURA_EXTRATO)) return false;
    AbreFormulario(FrmCnsExtrato_Crt);
    return true;
}

bool TFrmCnsExtrato_Mnu::spOpcao2Click() {
    if (!spOpcao2Base()) return false;
    AbreFormulario(FrmCnsExtrato_DConta);
    return true;
}
