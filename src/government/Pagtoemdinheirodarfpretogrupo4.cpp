#include "government/Pagtoemdinheirodarfpretogrupo4.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemdinheirodarfpretogrupo4 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemdinheirodarfpretogrupo4, TrnPagamentoDinheiroDarfPreto,
             Descritor(242, 1,
                       {A, K("1"), F(1062).fmt(5), F(1006), F(1007), F(1049), F(1182), F(1113).fmt(5),
                        F(1243), F(1119), F(1096), F(1003), F(10301), F(10301, 1)}));

} // namespace Pagtoemdinheirodarfpretogrupo4

TFrmPgtGrupo4DarfPreto_Din* FrmPgtGrupo4DarfPreto_Din = nullptr;

TFrmPgtGrupo4DarfPreto_Din::TFrmPgtGrupo4DarfPreto_Din(QWidget* pai)
    : TFrmPgtGrupo4_DarfPreto(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Dinheiro,
                    Pagtoemdinheirodarfpretogrupo4::TrnPagamentoDinheiroDarfPreto,
                    "Pagamento DARF Preto com Dinheiro", "20");
}
