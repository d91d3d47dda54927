// Pague Fácil, the entry types listed: the chosen one's questions answered, its values asked for, the bank's
// confirmation of the data shown, then the forms of payment.
#pragma once

#include "basekit.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"

namespace Paguefacilconsultavaloresgrupo6 {

extern const TTabelaTrn TrnConsultaValoresPagueFacil;

} // namespace Paguefacilconsultavaloresgrupo6

class TFrmPagueFacil_ConsultaValores : public TFrmModPagueFacil_ConsSegmento {
    Q_OBJECT
public:
    explicit TFrmPagueFacil_ConsultaValores(QWidget* pai);

    // The entry's questions, when it has any; false when the operator returned from them.
    bool VerificaTipoSequencia();

protected:
    bool ConcluiConfirmacao() override;
};

extern TFrmPagueFacil_ConsultaValores* FrmPagueFacil_ConsultaValores;
