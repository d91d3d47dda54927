// The holder data of a prepaid-card query, shown to the operator before the money moves, to print for the
// customer or to go on without printing.
#pragma once

#include "frame/Modelolumo.h"

#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace Impressaoconsultacartaoprepago {

// The card number with all but its last four digits as "*": the receipt never shows the whole number.
QString MascaraCartao(const QString& numero);
// The receipt lines of the query: the operation (field 10298), the holder from h-record 40, the amount, and
// the CPF or the mobile number when the holder was identified by them.
QStringList LinhasConsulta();

} // namespace Impressaoconsultacartaoprepago

class TFrmCnsCartaoPrePago_Impr : public TFrmMod {
    Q_OBJECT
public:
    explicit TFrmCnsCartaoPrePago_Impr(QWidget* pai);

    // Hands the lines to the host's receipt and goes on.
    void btImprimeClick();
    // Goes on without printing.
    void btContinuaClick();

    QPlainTextEdit* mmDados = nullptr;
    QPushButton* btImprime = nullptr;
    QPushButton* btContinua = nullptr;

protected:
    bool FormCreate() override;
    void reject() override;
};
