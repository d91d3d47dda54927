#include "government/Pagtoemchequedarfpretogrupo4.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemchequedarfpretogrupo4 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemchequedarfpretogrupo4, TrnPagamentoChequeDarfPreto,
             Descritor(242, 1,
                       {A, K("1"), F(1062).fmt(5), F(1006), F(1007), F(1049), F(1182), F(1113).fmt(5),
                        F(1243), F(1119), F(1096), F(1003), F(10102), F(10102, 1)}));

} // namespace Pagtoemchequedarfpretogrupo4

TFrmPgtGrupo4DarfPreto_Chq* FrmPgtGrupo4DarfPreto_Chq = nullptr;

TFrmPgtGrupo4DarfPreto_Chq::TFrmPgtGrupo4DarfPreto_Chq(QWidget* pai)
    : TFrmPgtGrupo4_DarfPreto(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Cheque, Pagtoemchequedarfpretogrupo4::TrnPagamentoChequeDarfPreto,
                    "Pagamento DARF Preto com Cheque", "21");
}
