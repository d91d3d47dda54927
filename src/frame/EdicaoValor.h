// The amount edit every value screen shares: only digits, one decimal separator, Backspace and Enter get
// through, and each change is shown again as money so that typed digits fill the amount from the right.
#pragma once

class QLabel;
class QString;
class QLineEdit;
class QWidget;

namespace EdicaoValor {
// Installs the key filter and the money formatting on the edit (the edit owns both).
void Configura(QLineEdit* edit);
// The "Valor:" label and the amount edit of a capture panel, configured; the label is returned in rotulo.
QLineEdit* CriaCampoValor(QWidget* painel, QLabel*& rotulo);
// An amount as shown ("1.234,56") in cents; 0 when it is empty or no number.
long long Centavos(const QString& dinheiro);
} // namespace EdicaoValor
