#include "payment/Pagtoemcartaocreditofininvest.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcartaocreditofininvest {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaocreditofininvest, TrnPagamentoCreditoFin,
             Descritor(242, 1,
                       {B,        K("1"),   F(10163), F(10164),        F(10165),       F(10166),
                        K("0"),   F(10167), F(10168), F(10169).fmt(5), F(10102, 1),    F(10112),
                        K(""),    F(10134), F(10156), F(10104),        F(1003).fmt(4), F(1017),
                        F(10151), F(10147), K(""),    F(1019).fmt(4),  F(10146),       F(10149, "CSEG:"),
                        F(10157), T3}));

} // namespace Pagtoemcartaocreditofininvest

TFrmPgt_CrdFin* FrmPgt_CrdFin = nullptr;

TFrmPgt_CrdFin::TFrmPgt_CrdFin(QWidget* pai) : TFrmPgt_Crd(pai) {}

void TFrmPgt_CrdFin::IniciaCamposForm() {
    TFrmPgt_Crd::IniciaCamposForm();
    Descritor = &Pagtoemcartaocreditofininvest::TrnPagamentoCreditoFin;
}
