// Pague Fácil, the states listed; the chosen one's companies asked for.
#pragma once

#include "basekit.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"

namespace Paguefacilconsultaempresagrupo6 {

extern const TTabelaTrn TrnConsultaEmpresa;

} // namespace Paguefacilconsultaempresagrupo6

class TFrmPagueFacil_ConsultaEmpresa : public TFrmModPagueFacil_ConsSegmento {
    Q_OBJECT
public:
    explicit TFrmPagueFacil_ConsultaEmpresa(QWidget* pai);

protected:
    void AbreProximo() override;
};

extern TFrmPagueFacil_ConsultaEmpresa* FrmPagueFacil_ConsultaEmpresa;
