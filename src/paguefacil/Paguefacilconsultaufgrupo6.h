// Pague Fácil, the segments listed; the chosen one's states asked for.
#pragma once

#include "basekit.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"

namespace Paguefacilconsultaufgrupo6 {

extern const TTabelaTrn TrnConsultaUF;

} // namespace Paguefacilconsultaufgrupo6

class TFrmPagueFacil_ConsultaUF : public TFrmModPagueFacil_ConsSegmento {
    Q_OBJECT
public:
    explicit TFrmPagueFacil_ConsultaUF(QWidget* pai);

protected:
    void AbreProximo() override;
};

extern TFrmPagueFacil_ConsultaUF* FrmPagueFacil_ConsultaUF;
