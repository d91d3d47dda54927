#include "payment/Pagtoemcheque.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemcheque {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoCheque = Descritor(242, 1, {B, F(10102, 2), D7, F(10102), F(10102, 1)});

} // namespace Pagtoemcheque

TFrmPgt_Chq* FrmPgt_Chq = nullptr;

TFrmPgt_Chq::TFrmPgt_Chq(QWidget* pai) : TFrmPgtChq_Trn(pai, QStringLiteral("FrmPgt_Chq")) {}
