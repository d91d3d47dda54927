#include "government/Cancelamentopagamentodiversosgrupo4_cheque.h"

#include "protocol/Tabelatrn.h"

namespace Cancelamentopagamentodiversosgrupo4_cheque {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentopagamentodiversosgrupo4_cheque, TrnCancelamentoCheque,
             Descritor(242, 1, {A, K(""), F(1003), F(10154), F(10154, 1)}));

} // namespace Cancelamentopagamentodiversosgrupo4_cheque

TFrmCancPagtoDiv_Chq* FrmCancPagtoDiv_Chq = nullptr;

TFrmCancPagtoDiv_Chq::TFrmCancPagtoDiv_Chq(QWidget* pai)
    : TFrmCancPagtoDiv_Trn(pai, QString(), Cancelamentopagamentodiversosgrupo4_cheque::TrnCancelamentoCheque,
                           "49") {}
