#include "government/Pagtoemcartaodebitodarfsimplesgrupo4.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcartaodebitodarfsimplesgrupo4 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaodebitodarfsimplesgrupo4, TrnPagamentoDebitoDarfSimples,
             Descritor(242, 1,
                       {A, K("1"), F(1062).fmt(5), F(1006), F(1007), F(1049), F(1182), F(1113).fmt(5),
                        F(1243), F(1119), F(1096), F(1003), K("1"), F(10104), F(10146), F(10163), P3,
                        F(10544, "TOKEN:"), T3}));

} // namespace Pagtoemcartaodebitodarfsimplesgrupo4

TFrmPgtGrupo4DarfSimples_Crt* FrmPgtGrupo4DarfSimples_Crt = nullptr;

TFrmPgtGrupo4DarfSimples_Crt::TFrmPgtGrupo4DarfSimples_Crt(QWidget* pai)
    : TFrmPgtGrupo4_DarfSimples(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Debito,
                    Pagtoemcartaodebitodarfsimplesgrupo4::TrnPagamentoDebitoDarfSimples,
                    "Pagamento DARF Simples com Cartão de Débito", "26");
}
