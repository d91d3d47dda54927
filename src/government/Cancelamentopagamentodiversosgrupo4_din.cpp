#include "government/Cancelamentopagamentodiversosgrupo4_din.h"

#include "protocol/Tabelatrn.h"

namespace Cancelamentopagamentodiversosgrupo4_din {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancelamentopagamentodiversosgrupo4_din, TrnCancelamentoDinheiro,
             Descritor(242, 1, {A, K(""), F(1003), F(10154), F(10154, 1)}));

} // namespace Cancelamentopagamentodiversosgrupo4_din

TFrmCancPagtoDiv_Din* FrmCancPagtoDiv_Din = nullptr;

TFrmCancPagtoDiv_Din::TFrmCancPagtoDiv_Din(QWidget* pai)
    : TFrmCancPagtoDiv_Trn(pai, QString(), Cancelamentopagamentodiversosgrupo4_din::TrnCancelamentoDinheiro,
                           "48") {}
