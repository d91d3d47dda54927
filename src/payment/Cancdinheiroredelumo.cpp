#include "payment/Cancdinheiroredelumo.h"

#include "protocol/Tabelatrn.h"

namespace Cancdinheiroredelumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancdinheiroredelumo, TrnCancelamentoDinheiro,
             Descritor(242, 1,
                       {A, K(""), K(""), K(""), K(""), K(""), K(""), K(""), K(""), F(1013), F(1020).fmt(8),
                        F(1503, "NSUSERV:")}));

} // namespace Cancdinheiroredelumo

#include "host/Host.h"
#include "resources/Mensagens.h"

TFrmDinRede_Cnc* FrmDinRede_Cnc = nullptr;

TFrmDinRede_Cnc::TFrmDinRede_Cnc(QWidget* pai)
    : TFrmTrnRede_Crd(pai, QString(), msg::TituloCancelamentoPagtoDinheiro,
                      Cancdinheiroredelumo::TrnCancelamentoDinheiro, "48") {}
