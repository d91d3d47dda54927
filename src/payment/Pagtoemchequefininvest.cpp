#include "payment/Pagtoemchequefininvest.h"

#include "payment/Liquidacaocontas.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

namespace Pagtoemchequefininvest {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemchequefininvest, TrnPagamentoChequeFin,
             Descritor(242, 1, {B, K(""), D7F, F(10102), F(10102, 1)}));

} // namespace Pagtoemchequefininvest

TFrmPgt_ChqFin* FrmPgt_ChqFin = nullptr;

TFrmPgt_ChqFin::TFrmPgt_ChqFin(QWidget* pai) : TFrmPgtChq_Trn(pai, QString()) {}

void TFrmPgt_ChqFin::IniciaCamposForm() {
    TFrmPgtChq_Trn::IniciaCamposForm();
    Descritor = &Pagtoemchequefininvest::TrnPagamentoChequeFin;
    DefineTitulo(QString::fromUtf8(msg::TituloPagamentoCheque));
}

bool TFrmPgt_ChqFin::GravaCamposHostlink() {
    if (!TFrmPgtChq_Trn::GravaCamposHostlink()) return false;
    return Liquidacao::GravaCamposLiquidacao(AjustesPedido, "17", "2");
}
