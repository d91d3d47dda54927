// Value dialog of the prepaid-card operations (withdrawal, deposit, transfer), and the frame the small entry
// dialogs share: the capture panel, the confirm and return buttons, their hints, the self-confirming timer
// and the one confirm flow (validate, write the fields, finish).
#pragma once

#include "frame/Modelolumo.h"
#include "frame/Partes.h"

#include <initializer_list>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QTimer;

namespace Coletavalortrn {

using Documentos::MascaraCNPJ;
using Documentos::MascaraCPF;

// Sets a document mask; a different mask empties the edit first, since Qt would re-slot the digits typed
// under the old one.
void AplicaMascara(QLineEdit* edit, const char* mascara);

// Runs an entry dialog modally and destroys it; its modal result, or mrNone when it could not be created
// (the failure is then reported to the host).
int ExecutaColetaImpl(TFrmMod* (*cria)(QWidget* pai), const QString& nomeForm);

template <class T> int ExecutaColeta(const QString& nomeForm) {
    return ExecutaColetaImpl([](QWidget* pai) -> TFrmMod* { return TFrmMod::Cria<T>(pai); }, nomeForm);
}

} // namespace Coletavalortrn

class TFrmColeta_Mod : public TFrmMod {
    Q_OBJECT
public:
    // grade: where the capture panel sits and how its rows fall; the buttons go below it.
    TFrmColeta_Mod(QWidget* pai, const QString& nome, const Partes::Grade& grade);

    virtual bool ValidaCamposForm() { return true; }
    virtual void IniciaCamposForm() {}
    virtual bool VerificaCapturaSenha() { return true; }

    void btConfirmaClick();
    void btRetornaClick();

    Partes::Captura captura;
    QFrame* pnCaptura = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    // Presses the confirm button when the dialog opens on it: every field was preset, nothing to type.
    QTimer* TClique = nullptr;

protected:
    // The step after the fields are written; false keeps the dialog open.
    virtual bool ConcluiConfirmacao() { return true; }

    bool FormCreate() override;
    void FormShow() override;
    void FormActivate() override;

    void HabilitaCaptura(bool habilita);
    // Watches a control for focus and key events (the derived eventFilter sees them).
    void Observa(QWidget* controle);
    // The confirm and return buttons, after the dialog's own fields (in this tab and Enter order); each
    // derived constructor calls it once its fields exist.
    void CriaBotoes(std::initializer_list<QWidget*> campos);

private:
    // The self-confirmation runs once per showing: a refused preset value brings a message box, whose
    // closing activates the dialog again with the focus still on the confirm button.
    bool bConfirmouSozinho = false;
};

class TFrmColetaValor : public TFrmColeta_Mod {
    Q_OBJECT
public:
    explicit TFrmColetaValor(QWidget* pai);

    bool GravaCamposHostlink() override;
    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;

    // Asks the customer to confirm the amount on the PIN pad; false when refused or the PIN pad failed.
    bool VerificaSolicitaConfirmacaoPinpad();

    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;

protected:
    bool ConcluiConfirmacao() override;
};
