#include "payment/Pagtoemcartaodebitofininvest.h"

#include "frame/Lumomain.h"
#include "protocol/Tabelatrn.h"

#include <algorithm>

namespace Pagtoemcartaodebitofininvest {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaodebitofininvest, TrnPagamentoDebitoFin,
             Descritor(242, 1,
                       {B, F(10102), D7F, F(10102, 1), F(10112), K(""), F(1003).fmt(4), F(10104), F(10146),
                        F(10151).fmt(4), F(10149), F(10150), T3}));
CB_DESCRITOR(Pagtoemcartaodebitofininvest, TrnPagamentoDebitoForcadoFin,
             Descritor(242, 1,
                       {B, F(10102), D7F, F(10102, 1), F(10112), K(""), F(1003).fmt(4), F(10104), F(10146),
                        F(10151).fmt(4), F(10149), F(10150), F(10102, 2), T3}));

} // namespace Pagtoemcartaodebitofininvest

TFrmPgt_DebFin* FrmPgt_DebFin = nullptr;

TFrmPgt_DebFin::TFrmPgt_DebFin(QWidget* pai) : TFrmPgt_Deb(pai) {}

void TFrmPgt_DebFin::IniciaCamposForm() {
    TFrmPgt_Deb::IniciaCamposForm();
    Descritor = &Pagtoemcartaodebitofininvest::TrnPagamentoDebitoFin;
}

void TFrmPgt_DebFin::AjustaTabelaDebitoForcado() {
    Descritor = &Pagtoemcartaodebitofininvest::TrnPagamentoDebitoForcadoFin;
    AjustesPedido.documentos = static_cast<uint16_t>(std::max(0, Lumomain::QtdeDocsConsultadosOK));
}
