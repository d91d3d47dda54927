#include "payment/Cancchequelumo.h"

#include "protocol/Tabelatrn.h"

namespace Cancchequelumo {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Cancchequelumo, TrnCancelamentoCheque,
             Descritor(242, 1,
                       {A, K(""), F(1003), F(10164), F(10165), F(10166), F(10167), F(10168), F(10169).fmt(5),
                        F(10102)}));

} // namespace Cancchequelumo

#include "resources/Mensagens.h"

TFrmChq_Cnc* FrmChq_Cnc = nullptr;

TFrmChq_Cnc::TFrmChq_Cnc(QWidget* pai)
    : TFrmCnc_Trn(pai, QString(), msg::TituloCancelamentoPagtoCheque, Cancchequelumo::TrnCancelamentoCheque,
                  "49") {}
