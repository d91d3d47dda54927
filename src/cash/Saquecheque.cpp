#include "cash/Saquecheque.h"

#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Saquecheque {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Saquecheque, TrnSaqueCheque,
             Descritor(242, 1, {B, F(1003), F(10102), F(10102, 1), K("01"), F(10301), F(10301, 1)}));

} // namespace Saquecheque

TFrmSaque_Chq* FrmSaque_Chq = nullptr;

TFrmSaque_Chq::TFrmSaque_Chq(QWidget* pai) : TFrmColetaDadosChq_Trn(pai, QString()) {}

void TFrmSaque_Chq::IniciaCamposForm() {
    TFrmColetaDadosChq_Trn::IniciaCamposForm();
    DefineTitulo(msg::Texto(msg::TituloSaqueCheque));
    Descritor = &Saquecheque::TrnSaqueCheque;
}

bool TFrmSaque_Chq::GravaCamposHostlink() {
    return TFrmColetaDadosChq_Trn::GravaCamposHostlink() && host::Grava(10158, QStringLiteral("19"));
}
