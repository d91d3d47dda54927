#include "government/Pagtoemcartaodebitodarfpretogrupo4.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcartaodebitodarfpretogrupo4 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaodebitodarfpretogrupo4, TrnPagamentoDebitoDarfPreto,
             Descritor(242, 1,
                       {A, K("1"), F(1062).fmt(5), F(1006), F(1007), F(1049), F(1182), F(1113).fmt(5),
                        F(1243), F(1119), F(1096), F(1003), K("1"), F(10104), F(10146), F(10163), P3,
                        F(10544, "TOKEN:"), T3}));

} // namespace Pagtoemcartaodebitodarfpretogrupo4

TFrmPgtGrupo4DarfPreto_Crt* FrmPgtGrupo4DarfPreto_Crt = nullptr;

TFrmPgtGrupo4DarfPreto_Crt::TFrmPgtGrupo4DarfPreto_Crt(QWidget* pai)
    : TFrmPgtGrupo4_DarfPreto(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Debito,
                    Pagtoemcartaodebitodarfpretogrupo4::TrnPagamentoDebitoDarfPreto,
                    "Pagamento DARF Preto com Cartão de Débito", "22");
}
