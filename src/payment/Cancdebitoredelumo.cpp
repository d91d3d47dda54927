#include "payment/Cancdebitoredelumo.h"

#include "protocol/Tabelatrn.h"

namespace Cancdebitoredelumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancdebitoredelumo, TrnCancelamentoDebito,
             Descritor(242, 1,
                       {A, K(""), K(""), K(""), K(""), K(""), K(""), K(""), K(""), K(""), F(10102, 1),
                        F(10104), F(1003).fmt(4), F(1013), F(1020).fmt(8), F(10149), F(1503, "NSUSERV:"),
                        T3}));

} // namespace Cancdebitoredelumo

#include "host/Host.h"
#include "resources/Mensagens.h"

TFrmDebRede_Cnc* FrmDebRede_Cnc = nullptr;

TFrmDebRede_Cnc::TFrmDebRede_Cnc(QWidget* pai)
    : TFrmTrnRede_Crd(pai, QString(), msg::TituloCancelamentoPagtoCartaoDebito,
                      Cancdebitoredelumo::TrnCancelamentoDebito, "50", [] { return QStringLiteral("035"); }) {
}
