#include "government/Pagtoemdinheirodarfsimplesgrupo4.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemdinheirodarfsimplesgrupo4 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemdinheirodarfsimplesgrupo4, TrnPagamentoDinheiroDarfSimples,
             Descritor(242, 1,
                       {A, K("1"), F(1062).fmt(5), F(1006), F(1007), F(1049), F(1185), F(1194), F(1243),
                        F(1119), F(1096), F(1003), F(10301), F(10301, 1)}));

} // namespace Pagtoemdinheirodarfsimplesgrupo4

TFrmPgtGrupo4DarfSimples_Din* FrmPgtGrupo4DarfSimples_Din = nullptr;

TFrmPgtGrupo4DarfSimples_Din::TFrmPgtGrupo4DarfSimples_Din(QWidget* pai)
    : TFrmPgtGrupo4_DarfSimples(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Dinheiro,
                    Pagtoemdinheirodarfsimplesgrupo4::TrnPagamentoDinheiroDarfSimples,
                    "Pagamento DARF Simples com Dinheiro", "24");
}
