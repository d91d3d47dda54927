#include "payment/Pagtoemchequetrn.h"

#include "protocol/Tabelatrn.h"

namespace Pagtoemchequetrn {

using namespace Tabelatrn::Notacao;

constinit TTabelaTrn TrnPagamentoConsultaCheque =
    Descritor(242, 0, {B, F(10102), F(10102, 1), F(10102, 3), F(10440, "DADICPAGCB:")});

} // namespace Pagtoemchequetrn

TFrmPgtChq_Trn::TFrmPgtChq_Trn(QWidget* pai, const QString& nome) : TFrmColetaDadosChq_Trn(pai, nome) {}
