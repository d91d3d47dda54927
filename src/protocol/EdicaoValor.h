// The amount edit every value screen shares: only digits, one decimal separator, Backspace and Enter get
// through, and each change is shown again as money so that typed digits fill the amount from the right.
#pragma once

class QLineEdit;

namespace EdicaoValor {
// Installs the key filter and the money formatting on the edit (the edit owns both).
void Configura(QLineEdit* edit);
} // namespace EdicaoValor
