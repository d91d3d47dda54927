// Branch query of the top-up: the phone number typed twice, the query of the branches the network serves
// for it, then the network's values screen.
#pragma once

#include "basekit.h"
#include "protocol/ServicosRecarga.h"
#include "topup/Capturacelular.h"

class QLineEdit;
class QLabel;

namespace Consultafiliaisrecargalumo {

extern const TTabelaTrn TrnConsultaFiliais;

// Where the capture screens of the top-up keep their rows: below the summary.
Partes::Grade GradeRecarga();

} // namespace Consultafiliaisrecargalumo

class TFrmConsFiliais : public TFrmCapCel_Mod {
    Q_OBJECT
public:
    TFrmConsFiliais(QWidget* pai, const QString& nome, Lumomain::RedeRecarga rede);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;

    QLabel* lbDDD = nullptr;
    QLineEdit* edDDD = nullptr;
    QLabel* lbNumCelular = nullptr;
    QLineEdit* edNumCelular = nullptr;

protected:
    bool ConcluiConfirmacao() override;
    bool eventFilter(QObject* objeto, QEvent* e) override;
    // The network's own steps: its branch reply, and its values screen (true when the chain ended).
    virtual bool TrataRespostaConsultaFiliais();
    virtual bool ExecutaConsultaValores() = 0;

    const Lumomain::RedeRecarga rede;

private:
    void edNumCelularEnter();
    // DDD + number of the first entry, empty until it is typed.
    QString primeiraEntrada_;
};
