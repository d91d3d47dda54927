#include "payment/Pagtoemdinheirofininvest.h"

#include "payment/Liquidacaocontas.h"
#include "protocol/Tabelatrn.h"

namespace Pagtoemdinheirofininvest {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemdinheirofininvest, TrnPagamentoDinheiroFin, Descritor(242, 1, {A, F(10102), D7F}));

} // namespace Pagtoemdinheirofininvest

TFrmPgt_DinFin* FrmPgt_DinFin = nullptr;

TFrmPgt_DinFin::TFrmPgt_DinFin(QWidget* pai) : TFrmPgt_Din(pai) {}

void TFrmPgt_DinFin::IniciaCamposForm() {
    TFrmPgt_Din::IniciaCamposForm();
    Descritor = &Pagtoemdinheirofininvest::TrnPagamentoDinheiroFin;
}
