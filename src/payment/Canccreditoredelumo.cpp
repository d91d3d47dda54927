#include "payment/Canccreditoredelumo.h"

#include "protocol/Tabelatrn.h"

namespace Canccreditoredelumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Canccreditoredelumo, TrnCancelamentoCreditoRede,
             Descritor(242, 1,
                       {A, K(""), K(""), K(""), K(""), K(""), K(""), K(""), K(""), K(""), F(10102, 1),
                        F(10104), F(1003).fmt(4), F(1013), F(1020).fmt(8), F(10149), F(1503, "NSUSERV:"),
                        T3}));

} // namespace Canccreditoredelumo

#include "payment/Cancelamentotrnlumo.h"
#include "resources/Mensagens.h"

TFrmCrdRede_Cnc* FrmCrdRede_Cnc = nullptr;

TFrmCrdRede_Cnc::TFrmCrdRede_Cnc(QWidget* pai)
    : TFrmTrnRede_Crd(pai, QString(), msg::TituloCancelamentoPagtoCartaoCredito,
                      Canccreditoredelumo::TrnCancelamentoCreditoRede, "51",
                      [] { return TFrmCnc_Trn::ModalidadeCredito(); }) {}
