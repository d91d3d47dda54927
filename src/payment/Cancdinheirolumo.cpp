#include "payment/Cancdinheirolumo.h"

#include "protocol/Tabelatrn.h"

namespace Cancdinheirolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancdinheirolumo, TrnCancelamentoDinheiro,
             Descritor(242, 1,
                       {A, K(""), F(1003), F(10164), F(10165), F(10166), F(10167), F(10168), F(10169).fmt(5),
                        F(10102)}));

} // namespace Cancdinheirolumo

#include "resources/Mensagens.h"

TFrmDin_Cnc* FrmDin_Cnc = nullptr;

TFrmDin_Cnc::TFrmDin_Cnc(QWidget* pai)
    : TFrmCnc_Trn(pai, QString(), msg::TituloCancelamentoPagtoDinheiro,
                  Cancdinheirolumo::TrnCancelamentoDinheiro, "48") {}
