// Settlement closing: the correspondent closes its settlement with the bank, naming the settlement boleto
// and the movement date as the parameter load asks; the reply's amount and dates go to the host.
#pragma once

#include "basekit.h"
#include "payment/Capturacodigobarras.h"

namespace Fechamentorepasse {

extern const TTabelaTrn TrnFechamentoRepasse;

} // namespace Fechamentorepasse

class TFrmFech_Rep : public TFrmCAP_Mod {
    Q_OBJECT
public:
    explicit TFrmFech_Rep(QWidget* pai);
    void IniciaCamposForm() override;
    // Shows the boleto rows and the date row as the settlement record's screen flags say.
    void VerificaCamposHabilitados();
    bool HabilitaDesabilitaCamposBoleto();
    bool HabilitaDesabilitaCamposDataMovimento();
    bool ValidaCamposForm() override;
    bool GravaCamposHostlink() override;
    void btConfirmaClick() override;
    // One closing per screen: there is no next document.
    void TransacaoAutorizada() override {}
    void Captura_Proximo_Documento() override {}

    QLabel* lbDataMovimento = nullptr;
    QLineEdit* edDataMovimento = nullptr;
};

extern TFrmFech_Rep* FrmFech_Rep;
