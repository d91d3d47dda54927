#include "paguefacil/Pagtoemcartaodebitopaguefacilgrupo6.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcartaodebitopaguefacilgrupo6 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaodebitopaguefacilgrupo6, TrnPagamentoDebitoPagueFacil,
             Descritor(242, 1,
                       {F(10112), F(10171), K("6"), F(10103), F(10158), F(1003), F(1256), F(10134), F(10104),
                        F(10146).bloco(16), F(10102), F(10243, "NSPIN:"), F(10149, "CSEG:"),
                        F(10544, "TOKEN:"), T3}));

} // namespace Pagtoemcartaodebitopaguefacilgrupo6

TFrmPgtGrupo6PagueFacil_Crt* FrmPgtGrupo6PagueFacil_Crt = nullptr;

TFrmPgtGrupo6PagueFacil_Crt::TFrmPgtGrupo6PagueFacil_Crt(QWidget* pai)
    : TFrmPgtGrupo6_PagueFacil(pai, QString()) {
    DefinePagamento(Pagtoemcartaodebitopaguefacilgrupo6::TrnPagamentoDebitoPagueFacil,
                    "Pagamento Pague Fácil com Cartão de Débito", "8", true);
}
