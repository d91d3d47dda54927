#include "payment/Cancdebitolumo.h"

#include "protocol/Tabelatrn.h"

namespace Cancdebitolumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancdebitolumo, TrnCancelamentoDebito,
             Descritor(242, 1,
                       {B, K(""), F(1003), F(10164), F(10165), F(10166), F(10167), F(10168), F(10169).fmt(5),
                        F(10102), F(10102, 1), F(10112), K(""), F(10104), F(1003).fmt(4), F(1013).sep(4),
                        F(1020).fmt(8), F(10149), T3}));

} // namespace Cancdebitolumo

#include "resources/Mensagens.h"

TFrmDeb_Cnc* FrmDeb_Cnc = nullptr;

TFrmDeb_Cnc::TFrmDeb_Cnc(QWidget* pai)
    : TFrmTrn_Crd(pai, QString(), msg::TituloCancelamentoPagtoCartaoDebito,
                  Cancdebitolumo::TrnCancelamentoDebito, "50", [] { return QStringLiteral("035"); }) {}
