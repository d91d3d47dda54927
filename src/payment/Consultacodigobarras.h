// Query of a captured bar code: the "Consulta Código de Barras" dialog, the running partial total and the
// requests it sends.
#pragma once

#include "basekit.h"
#include "payment/Capturacodigobarras.h"

#include <array>

class QLabel;
class QLineEdit;

namespace Consultacodigobarras {

// Module variables whose current text the descriptors send (NUL-terminated).
// The document as captured: a bar code or typed line (at most 48 digits).
extern std::array<char, 64> NUMERO_DOCUMENTO;

extern const TTabelaTrn TrnConsultaCodigoBarras;

} // namespace Consultacodigobarras

class TFrmCAP_CCB : public TFrmCAP_Mod {
    Q_OBJECT
public:
    explicit TFrmCAP_CCB(QWidget* pai);

    bool GravaCamposHostlink() override;
    void IniciaCamposForm() override;
    void TransacaoAutorizada() override;
    void Captura_Proximo_Documento() override;
    void btRetornaClick() override;

    QLabel* lbvalortotal = nullptr;
    QLineEdit* edValorParcial = nullptr;

protected:
    void FormShow() override;

private:
    void EdDocChange();
    // After a document is done with, in the typed case: another capture, or the payment methods.
    void SegueDigitado();
};

extern TFrmCAP_CCB* FrmCAP_CCB;
