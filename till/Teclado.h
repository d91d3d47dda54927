// What the script runner and the monkey share to act as an operator: when a screen counts as the operator's,
// and how keys reach it.
#pragma once

class QJsonArray;
class QWidget;

namespace Teclado {

// A screen is acted on once it has stayed active and idle this long (its own 1 ms start-up timers go first,
// as they would before an operator could press anything); the top modal window is activated, as a window
// manager would, after this long without activation; an abort that does not bring the call back in time
// ends the process, so that nothing hangs.
inline constexpr int kIntervaloMs = 10;
inline constexpr int kAssentamentoMs = 30;
inline constexpr int kAtivacaoMs = 100;
inline constexpr int kPrazoAbortoMs = 10000;

// A number that names the window for as long as it lives, the same each time it is asked.
int IdDe(QWidget* w);

// Posts (does not send) the keys to the focused control of the screen: a key that opens another screen must
// not hold the caller inside that screen's modal run. Keys: text (typed character by character), "<Enter>",
// "<Backspace>", "<Esc>", "<Tab>", "<Up>", "<Down>", "<Alt+N>".
void PostaTeclas(QWidget* tela, const QJsonArray& teclas);

} // namespace Teclado
