// Security-code dialog: the operator keys in the card's security code (or 0 when the card has none, 1 when
// it cannot be read), which the request carries in field 10149.
#pragma once

#include "frame/Modelolumo.h"
#include "frame/Partes.h"

#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TFrmColetaCampoCSEG : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmColetaCampoCSEG(QWidget* pai);
    ~TFrmColetaCampoCSEG() override;

    void btConfirmaClick();
    void btCancelaClick();

    QFrame* pnCSeg = nullptr;
    QLabel* LbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btCancela = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    std::unique_ptr<Partes::Captura> captura_;
    void RepeteCampo();
};
