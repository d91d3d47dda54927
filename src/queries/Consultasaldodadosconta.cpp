#include "queries/Consultasaldodadosconta.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "queries/Consultaconta.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

TFrmCnsSld_DConta* FrmCnsSld_DConta = nullptr;

namespace {

// Kind of the PIN capture of a typed account's balance: the balance record's network applies.
constexpr int TIPO_SENHA_SALDO_CONTA = 2;

} // namespace

TFrmCnsSld_DConta::TFrmCnsSld_DConta(QWidget* pai) : TFrmTrnDadosCta_Grp3(pai, QString()) {}

void TFrmCnsSld_DConta::IniciaCamposForm() {
    TFrmTrnDadosCta_Grp3::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloConsultaSaldo));
    Descritor = &Tabelatrn::TrnConsultaSaldo;
    PreencheTipos(
        Consultaconta::TiposAceitos(Lumomain::ServicoHzinho_TipoContaAceitaConsultaSaldo.texto(25, 5)));
}

bool TFrmCnsSld_DConta::GravaCamposHostlink() {
    return TFrmTrnDadosCta_Grp3::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("14")) &&
           Consultaconta::GravaIdentificacaoConta(EdAgencia->text(), EdConta->text(), EdDigito->text());
}

bool TFrmCnsSld_DConta::VerificaCapturaSenha() {
    // No card was read: the PIN pad is opened here, for the account just typed.
    if (Lumomain::LeSenhaCB(true, lbTitulo->text(), TIPO_SENHA_SALDO_CONTA, lbMensagem, QString()))
        return true;
    Encerra();
    return false;
}
