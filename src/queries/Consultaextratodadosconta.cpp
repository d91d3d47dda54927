#include "queries/Consultaextratodadosconta.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

TFrmCnsExtrato_DConta* FrmCnsExtrato_DConta = nullptr;

namespace {

// Kind of the PIN capture of a typed account's statement: the statement record's network applies.
constexpr int TIPO_SENHA_EXTRATO_CONTA = 5;

} // namespace

TFrmCnsExtrato_DConta::TFrmCnsExtrato_DConta(QWidget* pai)
    : TFrmTrnDadosCta_Grp3(pai, QString()), Extrato(captura, 5) {
    // The period and the type on rows 5 to 7, after the account's five: the panel's eight rows.
    // The dates' own filter makes a refused date's selection again when the focus returns.
    Extrato.edDataInicial->installEventFilter(this);
    Extrato.edDataFinal->installEventFilter(this);
    OrdemCaptura({cbTipoConta, EdBanco, EdAgencia, EdC1, EdConta, EdDigito, Extrato.edDataInicial,
                  Extrato.edDataFinal, Extrato.cbTipoExtrato});
}

void TFrmCnsExtrato_DConta::IniciaCamposForm() {
    TFrmTrnDadosCta_Grp3::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloConsultaSaldoExtrato));
    Descritor = &Tabelatrn::TrnConsultaExtrato;
    Extrato.Inicia();
    PreencheTipos(
        Consultaconta::TiposAceitos(Lumomain::ServicoHzinho_Tipo_Conta_Aceita_Consulta_Extrato.texto(25, 5)));
}

bool TFrmCnsExtrato_DConta::ValidaCamposForm() {
    if (!TFrmTrnDadosCta_Grp3::ValidaCamposForm()) return false;
    const auto falha = Extrato.Valida(pnCaptura, QDate::currentDate());
    if (!falha) return true;
    RepeteCampo(falha->mensagem, falha->controle, falha->icone);
    Extrato.SelecionaData(falha->controle);
    return false;
}

bool TFrmCnsExtrato_DConta::GravaCamposHostlink() {
    return TFrmTrnDadosCta_Grp3::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("13")) &&
           Extrato.Grava(pnCaptura) &&
           Consultaconta::GravaIdentificacaoConta(EdAgencia->text(), EdConta->text(), EdDigito->text());
}

bool TFrmCnsExtrato_DConta::VerificaCapturaSenha() {
    // No card was read: the PIN pad is opened here, for the account just typed.
    if (Lumomain::LeSenhaCB(true, lbTitulo->text(), TIPO_SENHA_EXTRATO_CONTA, lbMensagem, QString()))
        return true;
    Encerra();
    return false;
}

bool TFrmCnsExtrato_DConta::eventFilter(QObject* objeto, QEvent* e) {
    Extrato.TrataFoco(objeto, e);
    return TFrmTrnDadosCta_Grp3::eventFilter(objeto, e);
}
