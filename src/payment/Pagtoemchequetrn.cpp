#include "payment/Pagtoemchequetrn.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"

namespace Pagtoemchequetrn {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemchequetrn, TrnPagamentoConsultaCheque,
             Descritor(242, 0, {B, F(10102), F(10102, 1), F(10102, 3), F(10440, "DADICPAGCB:")}));

} // namespace Pagtoemchequetrn

using Pagtoemchequetrn::TrnPagamentoConsultaCheque;

namespace {

using host::Grava;

} // namespace

TFrmPgtChq_Trn::TFrmPgtChq_Trn(QWidget* pai, const QString& nome) : TFrmColetaDadosChq_Trn(pai, nome) {}

void TFrmPgtChq_Trn::IniciaCamposForm() {
    TFrmColetaDadosChq_Trn::IniciaCamposForm();
    Descritor = &TrnPagamentoConsultaCheque;
}

bool TFrmPgtChq_Trn::GravaCamposHostlink() {
    if (!TFrmColetaDadosChq_Trn::GravaCamposHostlink()) return false;
    // One cheque settles every accepted document: the count goes before and after the cheque line.
    const QString qtde = QString::number(Lumomain::QtdeDocsConsultadosOK);
    return Grava(10158, QStringLiteral("17")) && Grava(10102, qtde, 0) && Grava(10102, qtde, 2) &&
           Grava(10102, QStringLiteral("SEQ_CB:") + qtde, 3);
}

int TFrmPgtChq_Trn::VerificaAutorizaTransacao() {
    const TTabelaTrn* const pedido = Descritor;
    if (pedido == nullptr || pedido == &TrnPagamentoConsultaCheque)
        return TFrmColetaDadosChq_Trn::VerificaAutorizaTransacao();
    Descritor = &TrnPagamentoConsultaCheque;
    const int consulta = TFrmColetaDadosChq_Trn::VerificaAutorizaTransacao();
    Descritor = pedido;
    // A cheque the bank refuses pays nothing: its answer is the one the host reports.
    if (consulta != 0) {
        host::GravaAudit(QStringLiteral("Erro: ConsultaCheque."));
        return consulta;
    }
    return TFrmColetaDadosChq_Trn::VerificaAutorizaTransacao();
}
