// Pague Fácil, the companies listed; the chosen one's products asked for.
#pragma once

#include "basekit.h"
#include "paguefacil/Paguefacilconsultasegmentogrupo6.h"

namespace Paguefacilconsultaprodutogrupo6 {

extern const TTabelaTrn TrnConsultaProduto;

} // namespace Paguefacilconsultaprodutogrupo6

class TFrmPagueFacil_ConsultaProduto : public TFrmModPagueFacil_ConsSegmento {
    Q_OBJECT
public:
    explicit TFrmPagueFacil_ConsultaProduto(QWidget* pai);

protected:
    void AbreProximo() override;
};

extern TFrmPagueFacil_ConsultaProduto* FrmPagueFacil_ConsultaProduto;
