#include "cash/Saquecartaomagnetico.h"

#include "frame/Contasaque.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QLineEdit>

namespace Saquecartaomagnetico {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Saquecartaomagnetico, TrnSaqueCartaoMag,
             Descritor(242, 1,
                       {B, F(1003), F(10104), F(10146), F(10102), F(10243, "NSPIN:"), F(10242, "CHKSUM:"),
                        F(10244, "FABPIN:"), F(10149, "CSEG:"), F(10544, "TOKEN:"), T3}));

} // namespace Saquecartaomagnetico

TFrmSaque_CMag* FrmSaque_CMag = nullptr;

TFrmSaque_CMag::TFrmSaque_CMag(QWidget* pai) : TFrmTrnCrt_Grp3_Valor(pai, QString()) {
    CriaCampoCSeg();
}

void TFrmSaque_CMag::IniciaCamposForm() {
    TFrmTrnCrt_Grp3_Valor::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloSaqueCartaoMag));
    Descritor = &Saquecartaomagnetico::TrnSaqueCartaoMag;
    const int inss = cbTipoConta->findText(msg::Texto(msg::InfoTipoContaBeneficioINSS));
    if (inss >= 0) cbTipoConta->removeItem(inss);
    cbTipoConta->setCurrentIndex(-1);
    // A chip proves the card is present; a stripe read needs the code, as does network 805 without tokens.
    MostraCSeg(Contasaque::RedeExigeCodigoSeguranca() || !Contasaque::VerificaSeCartaoLidoCHIP());
}

bool TFrmSaque_CMag::ValidaCamposForm() {
    if (!TFrmTrnCrt_Grp3_Valor::ValidaCamposForm()) return false;
    // A wrong code is simply asked for again: the prompt already says what is expected.
    if (EdCSeg->isVisibleTo(this) && !Contasaque::CodigoSegurancaValido(EdCSeg->text()))
        return RepeteCampo(nullptr, EdCSeg);
    return true;
}

bool TFrmSaque_CMag::GravaCamposHostlink() {
    return TFrmTrnCrt_Grp3_Valor::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("18")) &&
           Contasaque::GravaCodigoSeguranca(EdCSeg);
}
