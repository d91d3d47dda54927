// Choice in the value catalogue of a branch: fixed values and ranges (of the chosen category, when one was
// chosen), each described in the summary as the selection moves.
#pragma once

#include "protocol/Registro.h"
#include "topup/Capturacelular.h"

class QLabel;
namespace Partes {
class ListaTeclado;
}

class TFrmSelValNew_Cap : public TFrmCapCel_Mod {
    Q_OBJECT
public:
    explicit TFrmSelValNew_Cap(QWidget* pai);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;

    Partes::ListaTeclado* cb_Valores = nullptr;
    QLabel* lbValor = nullptr;
    // The chosen entry: its index among the fixed values or among the ranges; -1 after Return.
    int Tag = -1;

protected:
    bool ConcluiConfirmacao() override;
    void done(int resultado) override;

private:
    void cb_ValoresChange();
    // The summary lines of an entry of the catalogue.
    template <std::size_t N> QStringList Informacao(const Registro<N>& r) const;
    int qtdeFixosListados_ = 0;
    int qtdeFaixasListadas_ = 0;
};

extern TFrmSelValNew_Cap* FrmSelValNew_Cap;
