// Re-capture of a bill's total when the server authorised another amount.
#pragma once

#include "frame/Modelolumo.h"
#include "frame/Partes.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TFrmCapturaValorTotal_Mod : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmCapturaValorTotal_Mod(QWidget* pai);

    // Asks whether the operator types another amount; the amount confirmed goes to edDestino and the dialog
    // closes with Cancel, which lets the bill query go on.
    void btConfirmaClick();
    // The operator gives up the payment: the host is told and the chain closes.
    void btRetornaClick();

    // The bill-query dialog's total edit, which receives the confirmed amount.
    QLineEdit* edDestino = nullptr;

    Partes::Captura captura;
    QFrame* pnCaptura = nullptr;
    QLabel* lbVlrTotal = nullptr;
    QLineEdit* edVlrTotal = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;

protected:
    bool FormCreate() override;
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void IniciaCamposForm();
    // The operator answered Yes and is typing an amount of his own.
    bool bNovoValor = false;
};

extern TFrmCapturaValorTotal_Mod* FrmCapturaValorTotal_Mod;
