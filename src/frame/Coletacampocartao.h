// Typed-card dialog: the operator keys in the card number when the card cannot be read. Also the keyboard
// and wiping rules it shares with the other card-data edits.
#pragma once

#include "frame/Modelolumo.h"
#include "frame/Partes.h"

#include <cstdint>
#include <memory>

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace Coletacampocartao {

// Whether an edit that takes only digits must swallow this key press: the host's keyboard routines decide
// for typed characters (digits, Backspace and Enter pass), focus keys pass, a paste never does.
bool RecusaTeclaNumerica(const QKeyEvent* e);
// Writes card data to a host field through a Latin-1 buffer that is zeroed afterwards, so no copy of it is
// left on the heap. 0 on success, as the host's writes.
uint16_t GravaCampoSigiloso(int campo, const QString& texto);
// Overwrites a local copy of card data with '*' and empties it.
void ApagaCopia(QString& texto);

} // namespace Coletacampocartao

class TFrmColetaCampoCartao : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmColetaCampoCartao(QWidget* pai);
    ~TFrmColetaCampoCartao() override;

    void btConfirmaClick();
    void btRetornaClick();

    QFrame* pnCartao = nullptr;
    QLabel* lbCartao = nullptr;
    QLineEdit* edCartao = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    // Presses the confirm button when the dialog opens on it (the caller hid the edit: nothing to type).
    QTimer* TClique = nullptr;

protected:
    void FormActivate() override;
    void hideEvent(QHideEvent* e) override;

private:
    std::unique_ptr<Partes::Captura> captura_;
    void HabilitaCaptura(bool habilita);
};
