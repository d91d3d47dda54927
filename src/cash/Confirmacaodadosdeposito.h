// Confirmation of the account the deposit query found: the customer checks holder, bank, agency, account
// and value before the deposit goes.
#pragma once

#include "frame/Modelolumo.h"

#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace Confirmacaodadosdeposito {

// The lines shown, built from the query reply (service A) and the value's digits (field 1003).
QStringList TextoConfirmacao(const QString& resposta, const QString& valor);

} // namespace Confirmacaodadosdeposito

class TFrmCnfDdsDp : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmCnfDdsDp(QWidget* pai);

    void DefineDados(const QString& resposta, const QString& valor);

    QPlainTextEdit* mmDados = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btCancela = nullptr;
};
