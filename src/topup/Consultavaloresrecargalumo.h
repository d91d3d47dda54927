// Values query of the top-up: the branch chosen among those the branch query found (and the customer's
// postal code where the network asks for it), the query of its values, and the screen that chooses one:
// the categories, the catalogue or the plain list.
#pragma once

#include "basekit.h"
#include "protocol/ServicosRecarga.h"
#include "topup/Capturacelular.h"

class QLabel;
class QLineEdit;
namespace Partes {
class ListaTeclado;
}

namespace Consultavaloresrecargalumo {

extern const TTabelaTrn TrnConsultaValores;

// A postal code without its mask's characters.
QString CEPSemMascara(const QString& texto);

} // namespace Consultavaloresrecargalumo

class TFrmConsValores : public TFrmCapCel_Mod {
    Q_OBJECT
public:
    TFrmConsValores(QWidget* pai, const QString& nome, Lumomain::RedeRecarga rede);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    Partes::ListaTeclado* cb_Filiais = nullptr;
    QLabel* lbFilial = nullptr;
    QLabel* lbInfoUF = nullptr;
    QLabel* lbUF = nullptr;
    QLabel* lbCEP = nullptr;
    QLineEdit* edCEP = nullptr;

protected:
    bool ConcluiConfirmacao() override;
    void done(int resultado) override;
    virtual bool TrataRespostaConsultaValores();

    const Lumomain::RedeRecarga rede;

private:
    // Corban OS and GXS ask for the customer's postal code.
    bool PedeCEP() const { return rede != Lumomain::RedeRecarga::Bradesco; }
    void cb_FiliaisChange();
    // Opens the screen that chooses the value; true when the chain ended.
    bool AbreSelecaoValor();
    bool cepDoHost_ = false;
};
