#include "cash/Saquecartaomagneticopagamentocontas.h"

#include "frame/Fabricas.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Saquecartaomagneticopagamentocontas {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Saquecartaomagneticopagamentocontas, TrnSaqueCartaoMagPagtoCta,
             Descritor(242, 1,
                       {B, F(1003), F(10104), F(10146), F(10102), F(10243, "NSPIN:"), F(10242, "CHKSUM:"),
                        F(10244, "FABPIN:"), F(10149, "CSEG:"), T3}));

} // namespace Saquecartaomagneticopagamentocontas

TFrmSaquePagtoCta_CMag* FrmSaquePagtoCta_CMag = nullptr;
CB_FABRICA(TFrmSaquePagtoCta_CMag);

TFrmSaquePagtoCta_CMag::TFrmSaquePagtoCta_CMag(QWidget* pai) : TFrmColetaTipoContaSaque(pai, QString()) {}

void TFrmSaquePagtoCta_CMag::IniciaCamposForm() {
    TFrmColetaTipoContaSaque::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloSaqueCartaoMag));
    Descritor = &Saquecartaomagneticopagamentocontas::TrnSaqueCartaoMagPagtoCta;
}

bool TFrmSaquePagtoCta_CMag::GravaCamposHostlink() {
    // The bank takes the withdrawal in the cash group, whatever group the bills were queried in.
    return TFrmColetaTipoContaSaque::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("22")) &&
           host::Grava(10103, QStringLiteral("3"));
}
