// Choice of a category of the catalogue: the categories the branch offers, by the names the catalogue
// knows for them. What follows the choice is the derived form's.
#pragma once

#include "frame/Coletavalortrn.h"

class QLabel;
namespace Partes {
class ListaTeclado;
}

class TFrm_SelCategoriaMod : public TFrmColeta_Mod {
    Q_OBJECT
public:
    TFrm_SelCategoriaMod(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;

    Partes::ListaTeclado* cb_Categorias = nullptr;
    QLabel* lbCategoria = nullptr;

protected:
    bool ConcluiConfirmacao() override;
    // Opens the screen that follows the choice.
    virtual void ChamaProximoFormulario() = 0;
};
