#include "queries/Consultabeneficioinssnit.h"

#include "resources/Mensagens.h"

#include <QLabel>
#include <QLineEdit>

TFrmCnsBnINSSNIT* FrmCnsBnINSSNIT = nullptr;

TFrmCnsBnINSSNIT::TFrmCnsBnINSSNIT(QWidget* pai) : TFrmCnsBnINSS_Trn(pai, QString()) {
    lbNIT = captura.Rotulo(QStringLiteral("lbNIT"), msg::Texto(msg::InfoNIT));
    EdNIT = CriaCampo(QStringLiteral("EdNIT"), 11, msg::MsgNIT);
    captura.Linha(0, lbNIT, EdNIT, 150);
}

void TFrmCnsBnINSSNIT::IniciaCamposForm() {
    DefineTitulo(msg::Texto(msg::TituloConsultaBeneficioINSSNIT));
    Descritor = &Tabelatrn::TrnConsultaBeneficioINSS;
}

bool TFrmCnsBnINSSNIT::ValidaCamposForm() {
    if (EdNIT->text().isEmpty()) return RepeteCampo(msg::ErroNITInvalido, EdNIT);
    return true;
}

bool TFrmCnsBnINSSNIT::GravaCamposHostlink() {
    return TFrmCnsBnINSS_Trn::GravaCamposHostlink() &&
           GravaIdentificacao("2", EdNIT->text().rightJustified(11, QLatin1Char('0')));
}
