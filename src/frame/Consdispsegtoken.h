// Security-token query: a wait dialog that asks the bank whether the customer has a security device
// enabled, before the token is captured. The answer stays in the host fields (1009, 1027).
#pragma once

#include "frame/Modelolumo.h"

class QTimer;

class TFrmConsDispSegToken : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmConsDispSegToken(QWidget* pai);

    // Sends the query and tells the operator when it is refused; closes the dialog either way.
    void ConsultaDispositivoSeguranca();
    // The bank approved the query: the token may be captured.
    bool ConsultaAprovada() const { return aprovada_; }

    // Starts the query once the dialog is on screen.
    QTimer* TClique = nullptr;

protected:
    bool FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void hideEvent(QHideEvent* e) override;

private:
    // Starts the query once, on show or activation, whichever comes first.
    void IniciaConsulta();

    bool iniciou_ = false;
    bool enviada_ = false;
    bool aprovada_ = false;
};
