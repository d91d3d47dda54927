// Base of the top-up's payment forms: the summary of the whole top-up, and the confirmation that reads the
// PIN where the form asks for it, sends the top-up and leaves its result data for the host.
#pragma once

#include "frame/Coletavalortrn.h"

class QPlainTextEdit;

class TFrmTrnCel_Mod : public TFrmColeta_Mod {
    Q_OBJECT
public:
    TFrmTrnCel_Mod(QWidget* pai, const QString& nome);

    void IniciaCamposForm() override;

    QPlainTextEdit* MemoResumo = nullptr;
    bool PodeAlterarDados = false;

protected:
    bool ConcluiConfirmacao() override;
    // Nothing to activate by itself: the operator confirms what the summary shows.
    void FormActivate() override;
    // The step just before the request goes (the cash top-up's BACEN identification); false stops.
    virtual bool VerificaAntesDeAutorizar() { return true; }

private:
    bool TrataToken();
};
