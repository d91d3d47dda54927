// Parameter load of a payment group: a small wait dialog that asks the server for the group's parameters and
// keeps the h-records of the reply in the module's records.
#pragma once

#include "basekit.h"
#include "frame/Modelolumo.h"

class QFrame;
class QLabel;

namespace Cargaparametropagto {

extern const TTabelaTrn TrnConsultaCargaParamentros;

} // namespace Cargaparametropagto

class TFrmMod_Par : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmMod_Par(QWidget* pai);

    // Runs the load; on failure tells the operator and the point of sale.
    bool Carrega_parametros_LUMO();
    // The request and the handling of its reply.
    bool Executa_Carrega_parametros_LUMO();
    // Copies the reply's h-records into the parameter records.
    void TrataCamposServicoHzinho();
    // Texts of the screen, and the parameter records cleared before every load.
    void IniciaCamposForm();

    QFrame* pnAlerta = nullptr;
    QLabel* lbAlerta = nullptr;

protected:
    bool FormCreate() override;
};
