// Pague Fácil: the bank's confirmation of the entry's data, shown before the customer pays.
#pragma once

#include "frame/Modelolumo.h"

class QLabel;
class QPushButton;

class TFrmImprimePagueFacil : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmImprimePagueFacil(QWidget* pai);

    // The confirmation lines of the reply, joined by blanks.
    void DefineLinhas(const QStringList& linhas);

    QLabel* lbTexto = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btCancela = nullptr;
};
