#include "queries/Consultaextratocartao.h"

#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

TFrmCnsExtrato_Crt* FrmCnsExtrato_Crt = nullptr;

TFrmCnsExtrato_Crt::TFrmCnsExtrato_Crt(QWidget* pai) : TFrmTrnCrt_Grp3(pai, QString()), Extrato(captura, 1) {
    // The dates' own filter makes a refused date's selection again when the focus returns.
    Extrato.edDataInicial->installEventFilter(this);
    Extrato.edDataFinal->installEventFilter(this);
    OrdemCaptura({cbTipoConta, Extrato.edDataInicial, Extrato.edDataFinal, Extrato.cbTipoExtrato});
}

void TFrmCnsExtrato_Crt::IniciaCamposForm() {
    TFrmTrnCrt_Grp3::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloConsultaSaldoExtrato));
    Descritor = &Tabelatrn::TrnConsultaExtrato;
    Extrato.Inicia();
    PreencheTipos(
        Consultaconta::TiposAceitos(Lumomain::ServicoHzinho_Tipo_Conta_Aceita_Consulta_Extrato.texto(25, 5)));
}

bool TFrmCnsExtrato_Crt::ValidaCamposForm() {
    if (!TFrmTrnCrt_Grp3::ValidaCamposForm()) return false;
    const auto falha = Extrato.Valida(pnCaptura, QDate::currentDate());
    if (!falha) return true;
    RepeteCampo(falha->mensagem, falha->controle, falha->icone);
    Extrato.SelecionaData(falha->controle);
    return false;
}

bool TFrmCnsExtrato_Crt::GravaCamposHostlink() {
    return TFrmTrnCrt_Grp3::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("13")) &&
           Extrato.Grava(pnCaptura) && Consultaconta::GravaIdentificacaoCartao();
}

bool TFrmCnsExtrato_Crt::eventFilter(QObject* objeto, QEvent* e) {
    Extrato.TrataFoco(objeto, e);
    return TFrmTrnCrt_Grp3::eventFilter(objeto, e);
}
