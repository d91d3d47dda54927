// DARF and GPS payments by cheque: the requests it sends.
#pragma once

#include "basekit.h"
#include "frame/Coletadadoschequetrn.h"

namespace Pagtoemchequegrupo4_trn {

extern const TTabelaTrn TrnPagamentoChequeDarfPreto;
extern const TTabelaTrn TrnPagamentoChequeDarfSimples;
extern const TTabelaTrn TrnPagamentoChequeGPS;

} // namespace Pagtoemchequegrupo4_trn

// The cheque of a DARF or GPS payment by cheque: the cheque form with the document kind's request and
// title (field 10232); the document's form has written the document's fields and the total.
class TFrmTrnDadosCta_Grp4 : public TFrmColetaDadosChq_Trn {
    Q_OBJECT
public:
    explicit TFrmTrnDadosCta_Grp4(QWidget* pai);

    void IniciaCamposForm() override;
};
