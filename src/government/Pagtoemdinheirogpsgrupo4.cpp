#include "government/Pagtoemdinheirogpsgrupo4.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemdinheirogpsgrupo4 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemdinheirogpsgrupo4, TrnPagamentoDinheiroGPS,
             Descritor(242, 1,
                       {A, K("1"), F(1056), F(1068), F(1258), F(1097), F(1239), F(1096), F(1003), F(10301),
                        F(10301, 1)}));

} // namespace Pagtoemdinheirogpsgrupo4

TFrmPgtGrupo4Gps_Din* FrmPgtGrupo4Gps_Din = nullptr;

TFrmPgtGrupo4Gps_Din::TFrmPgtGrupo4Gps_Din(QWidget* pai) : TFrmPgtGrupo4_GPS(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Dinheiro, Pagtoemdinheirogpsgrupo4::TrnPagamentoDinheiroGPS,
                    "Pagamento GPS com Dinheiro", "28");
}
