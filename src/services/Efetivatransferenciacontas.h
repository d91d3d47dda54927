// Transfer between accounts, second step: the summary of what the query approved, and the transfer itself
// once the operator confirms it with the customer.
#pragma once

#include "services/Trnmodelotransferencialumo.h"

namespace Efetivatransferenciacontas {

// The summary's lines for the transfer the query left in DadosEfetivaTransferencia.
QStringList Resumo();

} // namespace Efetivatransferenciacontas

class TFrmEfetTransf : public TFrmTrnTransf_Mod {
    Q_OBJECT
public:
    explicit TFrmEfetTransf(QWidget* pai);

    void IniciaCamposForm() override;
    bool GravaCamposHostlink() override;
};

extern TFrmEfetTransf* FrmEfetTransf;
