#include "government/Pagtoemchequedarfsimplesgrupo4.h"

#include "government/Pagtoemchequegrupo4_trn.h"

TFrmPgtGrupo4DarfSimples_Chq* FrmPgtGrupo4DarfSimples_Chq = nullptr;

TFrmPgtGrupo4DarfSimples_Chq::TFrmPgtGrupo4DarfSimples_Chq(QWidget* pai)
    : TFrmPgtGrupo4_DarfSimples(pai, QString()) {
    DefinePagamento(Pagtogrupo4::Forma::Cheque, Pagtoemchequegrupo4_trn::TrnPagamentoChequeDarfSimples,
                    "Pagamento DARF Simples com Cheque", "25");
}
