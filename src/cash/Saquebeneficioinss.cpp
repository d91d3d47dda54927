#include "cash/Saquebeneficioinss.h"

#include "frame/Contasaque.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace Saquebeneficioinss {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Saquebeneficioinss, TrnSaqueINSS,
             Descritor(242, 1, {B, F(1003), F(10104), F(10146), F(10102), P3, F(10544, "TOKEN:"), T3}));

} // namespace Saquebeneficioinss

TFrmSaque_INSS* FrmSaque_INSS = nullptr;

TFrmSaque_INSS::TFrmSaque_INSS(QWidget* pai) : TFrmTrnCrt_Grp3_Valor(pai, QString()) {
    CriaCampoCSeg();
}

void TFrmSaque_INSS::IniciaCamposForm() {
    TFrmTrnCrt_Grp3_Valor::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloSaqueINSS));
    Descritor = &Saquebeneficioinss::TrnSaqueINSS;
    lbTipoConta->hide();
    cbTipoConta->hide();
    // Where the network asks for it the code is offered, not required: the magnetic card's rule on its
    // length does not apply to a benefit card.
    MostraCSeg(Contasaque::RedeExigeCodigoSeguranca());
}

bool TFrmSaque_INSS::GravaCamposHostlink() {
    if (!TFrmTrnCrt_Grp3_Valor::GravaCamposHostlink() || !host::Grava(10158, QStringLiteral("16")))
        return false;
    // A code typed goes with the request ("CSEG:"); none typed, the withdrawal goes without it.
    if (EdCSeg->text().trimmed().isEmpty()) return host::LimpaCampo(10149) == 0;
    return Contasaque::GravaCodigoSeguranca(EdCSeg);
}
