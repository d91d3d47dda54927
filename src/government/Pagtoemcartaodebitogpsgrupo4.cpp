#include "government/Pagtoemcartaodebitogpsgrupo4.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcartaodebitogpsgrupo4 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcartaodebitogpsgrupo4, TrnPagamentoDebitoGPS,
             Descritor(242, 1,
                       {A, K("1"), F(1056), F(1068).fmt(5), F(1258), F(1097), F(1239), F(1096), F(1003),
                        K("1"), F(10104), F(10146), F(10163), P3, F(10544, "TOKEN:"), T3}));

} // namespace Pagtoemcartaodebitogpsgrupo4

TFrmPgtGrupo4Gps_Crt* FrmPgtGrupo4Gps_Crt = nullptr;

TFrmPgtGrupo4Gps_Crt::TFrmPgtGrupo4Gps_Crt(QWidget* pai) : TFrmPgtGrupo4_GPS(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Debito, Pagtoemcartaodebitogpsgrupo4::TrnPagamentoDebitoGPS,
                    "Pagamento GPS com Cartão de Débito", "30");
}
