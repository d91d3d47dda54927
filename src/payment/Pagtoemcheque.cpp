#include "payment/Pagtoemcheque.h"

#include "frame/Lumomain.h"
#include "host/Host.h"
#include "protocol/Tabelatrn.h"
#include "resources/Mensagens.h"

#include <algorithm>

namespace Pagtoemcheque {

using namespace Tabelatrn::Notacao;

CB_DESCRITOR(Pagtoemcheque, TrnPagamentoCheque,
             Descritor(242, 1, {B, F(10102, 2), D7, F(10102), F(10102, 1)}));

} // namespace Pagtoemcheque

TFrmPgt_Chq* FrmPgt_Chq = nullptr;

TFrmPgt_Chq::TFrmPgt_Chq(QWidget* pai) : TFrmPgtChq_Trn(pai, QString()) {}

void TFrmPgt_Chq::IniciaCamposForm() {
    TFrmPgtChq_Trn::IniciaCamposForm();
    Descritor = &Pagtoemcheque::TrnPagamentoCheque;
    DefineTitulo(QString::fromUtf8(msg::TituloPagamentoCheque));
}

bool TFrmPgt_Chq::GravaCamposHostlink() {
    if (!TFrmPgtChq_Trn::GravaCamposHostlink()) return false;
    // The seven per-document fields go once for each accepted document.
    AjustesPedido.documentos = static_cast<uint16_t>(std::max(0, Lumomain::QtdeDocsConsultadosOK));
    return host::GravaCampoString(1112, 0, QStringLiteral("2")) == 0;
}
