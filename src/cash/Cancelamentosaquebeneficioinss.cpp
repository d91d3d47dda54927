#include "cash/Cancelamentosaquebeneficioinss.h"

#include "frame/Contasaque.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Cancelamentosaquebeneficioinss {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentosaquebeneficioinss, TrnCancelamentoSaqueINSS,
             Descritor(242, 1, {B, F(1003), F(10104), F(10102), F(10149, "CSEG:"), T3}));

} // namespace Cancelamentosaquebeneficioinss

TFrmCancSaque_INSS* FrmCancSaque_INSS = nullptr;

TFrmCancSaque_INSS::TFrmCancSaque_INSS(QWidget* pai) : TFrmCancGrupo3_Trn(pai, QString()) {}

void TFrmCancSaque_INSS::IniciaCamposForm() {
    TFrmCancGrupo3_Trn::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloCancelamentoSaqueINSS));
    Descritor = &Cancelamentosaquebeneficioinss::TrnCancelamentoSaqueINSS;
}

bool TFrmCancSaque_INSS::GravaCamposHostlink() {
    // The card data the menu's read left go with the request; without them there is nothing to send.
    return TFrmCancGrupo3_Trn::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("17")) &&
           Contasaque::GravaDadosCartao();
}
