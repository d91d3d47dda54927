#include "queries/Consultabeneficioinssagenciaconta.h"

#include "frame/Contasaque.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

TFrmCnsBnINSSAgCt* FrmCnsBnINSSAgCt = nullptr;

TFrmCnsBnINSSAgCt::TFrmCnsBnINSSAgCt(QWidget* pai)
    : TFrmCnsBnINSS_Trn(pai, QStringLiteral("FrmCnsBnINSSAgCt")) {
    lbBanco = CriaRotulo(QStringLiteral("lbBanco"), msg::InfoBanco);
    EdBanco = CriaCampo(QStringLiteral("EdBanco"), 3, msg::MsgBanco);
    lbAgencia = CriaRotulo(QStringLiteral("lbAgencia"), msg::InfoAgencia);
    EdAgencia = CriaCampo(QStringLiteral("EdAgencia"), 4, msg::MsgAgencia);
    lbC1 = CriaRotulo(QStringLiteral("lbC1"), msg::InfoC1);
    EdC1 = CriaCampo(QStringLiteral("EdC1"), 1, msg::MsgDigitoC1);
    lbConta = CriaRotulo(QStringLiteral("lbConta"), msg::InfoConta);
    EdConta = CriaCampo(QStringLiteral("EdConta"), 13, msg::MsgContaCorrente);
    EdDigito = CriaCampo(QStringLiteral("EdDigito"), 2, msg::MsgDigitoConta);
    PosicionaLinha(0, lbBanco, EdBanco, 60);
    PosicionaLinha(1, lbAgencia, EdAgencia, 70);
    PosicionaLinha(2, lbC1, EdC1, 30);
    PosicionaLinha(3, lbConta, EdConta, 170);
    PosicionaLinha(3, nullptr, EdDigito, 40);
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
