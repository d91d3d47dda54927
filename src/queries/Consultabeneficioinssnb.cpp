#include "queries/Consultabeneficioinssnb.h"

#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

TFrmCnsBnINSSNB* FrmCnsBnINSSNB = nullptr;

TFrmCnsBnINSSNB::TFrmCnsBnINSSNB(QWidget* pai) : TFrmCnsBnINSS_Trn(pai, QString()) {
    lbNB = captura.Rotulo(QStringLiteral("lbNB"), msg::Texto(msg::InfoNB));
    EdNB = CriaCampo(QStringLiteral("EdNB"), 9, msg::MsgNB);
    EdDigito = CriaCampo(QStringLiteral("EdDigito"), 1, msg::MsgDigitoNB);
    captura.Linha(0, lbNB, {{EdNB, 130}, {EdDigito, 30}});
}

void TFrmCnsBnINSSNB::IniciaCamposForm() {
    DefineTitulo(msg::Texto(msg::TituloConsultaBeneficioINSSNB));
    Descritor = &Tabelatrn::TrnConsultaBeneficioINSS;
}

bool TFrmCnsBnINSSNB::ValidaCamposForm() {
    if (EdNB->text().isEmpty()) return RepeteCampo(msg::ErroNBInvalido, EdNB);
    if (EdDigito->text().isEmpty()) return RepeteCampo(msg::ErroDigitoNBInvalido, EdDigito);
    return true;
}

bool TFrmCnsBnINSSNB::GravaCamposHostlink() {
    // Nine digits of number and the check digit: ten characters.
    return TFrmCnsBnINSS_Trn::GravaCamposHostlink() &&
           GravaIdentificacao("1", EdNB->text().rightJustified(9, QLatin1Char('0')) + EdDigito->text());
}
