#include "queries/Consultabeneficioinssagenciaconta.h"

#include "frame/Contasaque.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

TFrmCnsBnINSSAgCt* FrmCnsBnINSSAgCt = nullptr;

TFrmCnsBnINSSAgCt::TFrmCnsBnINSSAgCt(QWidget* pai) : TFrmCnsBnINSS_Trn(pai, QString()) {
    lbBanco = captura.Rotulo(QStringLiteral("lbBanco"), msg::Texto(msg::InfoBanco));
    EdBanco = CriaCampo(QStringLiteral("EdBanco"), 3, msg::MsgBanco);
    lbAgencia = captura.Rotulo(QStringLiteral("lbAgencia"), msg::Texto(msg::InfoAgencia));
    EdAgencia = CriaCampo(QStringLiteral("EdAgencia"), 4, msg::MsgAgencia);
    lbC1 = captura.Rotulo(QStringLiteral("lbC1"), msg::Texto(msg::InfoC1));
    EdC1 = CriaCampo(QStringLiteral("EdC1"), 1, msg::MsgDigitoC1);
    lbConta = captura.Rotulo(QStringLiteral("lbConta"), msg::Texto(msg::InfoConta));
    EdConta = CriaCampo(QStringLiteral("EdConta"), 13, msg::MsgContaCorrente);
    EdDigito = CriaCampo(QStringLiteral("EdDigito"), 2, msg::MsgDigitoConta);
    captura.Linha(0, lbBanco, EdBanco, 60);
    captura.Linha(1, lbAgencia, EdAgencia, 70);
    captura.Linha(2, lbC1, EdC1, 30);
    // The account's digit follows the account on its row.
    captura.Linha(3, lbConta, {{EdConta, 170}, {EdDigito, 40}});
}

void TFrmCnsBnINSSAgCt::IniciaCamposForm() {
    DefineTitulo(msg::Texto(msg::TituloConsultaBeneficioINSSAgenciaConta));
    Descritor = &Tabelatrn::TrnConsultaBeneficioINSS;
    // No account type goes with this query; the key's occurrence holds the family's mark until it is sent.
    host::Grava(10102, QString(), 0);
    host::Grava(10102, QStringLiteral("F"), 1);
    Contasaque::PreencheContaDoHost({EdBanco, EdAgencia, EdC1, EdConta, EdDigito});
}

bool TFrmCnsBnINSSAgCt::ValidaCamposForm() {
    if (const auto falha = Contasaque::ValidaConta({EdBanco, EdAgencia, EdC1, EdConta, EdDigito}, pnCaptura))
        return RepeteCampo(falha->mensagem, falha->campo);
    return true;
}

bool TFrmCnsBnINSSAgCt::GravaCamposHostlink() {
    return TFrmCnsBnINSS_Trn::GravaCamposHostlink() &&
           GravaIdentificacao("3", Contasaque::ChaveConta(EdBanco->text(), EdAgencia->text(), EdC1->text(),
                                                          EdConta->text(), EdDigito->text()));
}
