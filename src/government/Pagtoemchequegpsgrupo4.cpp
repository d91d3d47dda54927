#include "government/Pagtoemchequegpsgrupo4.h"

#include "government/Pagtoemchequegrupo4_trn.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemchequegpsgrupo4 {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemchequegpsgrupo4, TrnPagamentoChequeGPS,
             Descritor(242, 1,
                       {A, K("1"), F(1062).fmt(5), F(1006), F(1007), F(1049), F(1182), F(1113).fmt(5),
                        F(1243), F(1119), F(1096), F(1003), F(10102), F(10102, 1)}));

} // namespace Pagtoemchequegpsgrupo4

TFrmPgtGrupo4Gps_Chq* FrmPgtGrupo4Gps_Chq = nullptr;

TFrmPgtGrupo4Gps_Chq::TFrmPgtGrupo4Gps_Chq(QWidget* pai) : TFrmPgtGrupo4_GPS(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Cheque, Pagtoemchequegrupo4_trn::TrnPagamentoChequeGPS,
                    "Pagamento GPS com Cheque", "29");
}
