// Pague Fácil, the products listed; the chosen one's entry types asked for.
#pragma once

#include "basekit.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"

namespace Paguefacilconsultaentradagrupo6 {

extern const TTabelaTrn TrnConsultaEntrada;

} // namespace Paguefacilconsultaentradagrupo6

class TFrmPagueFacil_ConsultaEntrada : public TFrmModPagueFacil_ConsSegmento {
    Q_OBJECT
public:
    explicit TFrmPagueFacil_ConsultaEntrada(QWidget* pai);

protected:
    void AbreProximo() override;
};

extern TFrmPagueFacil_ConsultaEntrada* FrmPagueFacil_ConsultaEntrada;
