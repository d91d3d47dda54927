// Query of the destination of a prepaid-card transfer: the operator confirms the value and the account type,
// the bank answers with the destination holder, whose name the menu then asks the operator to confirm.
#pragma once

#include "basekit.h"
#include "frame/Coletatipocontasaque.h"

namespace Consultatransferenciacartaoprepago {

extern const TTabelaTrn TrnConsultaDadosTransf;

} // namespace Consultatransferenciacartaoprepago

class TFrmConsultaDadosTransf : public TFrmColetaTipoContaSaque {
    Q_OBJECT
public:
    explicit TFrmConsultaDadosTransf(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;

protected:
    // The card and its PIN were taken by the menu: only the chip's own processing runs here.
    bool PreparaAutorizacao() override;
    void TrataResposta() override;
    bool Concluida() override;
};
