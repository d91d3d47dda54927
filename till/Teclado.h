// The operator's keyboard, shared by everything that drives the module's screens as an operator would: the
// till's script runner and monkey, the unit tests and the bench. It says when a screen counts as the
// operator's (settled), how keys reach it and which button a digit presses on a window that has no keyboard
// rules of its own.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QAbstractButton;
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

// The property that marks the till's own windows (its main window, the PIN pad, the supervisor's password):
// they are not the module's screens, and the drivers and the recorder leave them alone.
inline constexpr char kJanelaDoCaixa[] = "cbJanelaDoCaixa";

// A number that names the window for as long as it lives, the same each time it is asked.
int IdDe(QWidget* w);

// One key as the keyboard delivers it.
struct Tecla {
    int codigo = 0;
    Qt::KeyboardModifiers modificadores = Qt::NoModifier;
    QString texto;
};

// The key that types this character.
Tecla DoCaractere(QChar c);

// The keys of the operator scripts' notation: any text (one key per character), "<Enter>", "<Backspace>",
// "<Esc>", "<Tab>", "<Up>", "<Down>", "<Alt+N>".
QList<Tecla> Interpreta(const QStringList& teclas);
QList<Tecla> Interpreta(const QJsonArray& teclas);

// Sends the key (press and release) to the focused control of the window, or to the window, from where it
// travels up to the dialog when the control does not take it. Returns once it was handled, which may be
// after whole dialogs ran in between.
void Envia(QWidget* janela, const Tecla& tecla);
void Envia(QWidget* janela, const QList<Tecla>& teclas);
// Types the text into the focused control, one key per character.
void Digita(QWidget* janela, const QString& texto);

// Posts (does not send) the keys to the focused control of the screen: a key that opens another screen must
// not hold the caller inside that screen's modal run.
void PostaTeclas(QWidget* tela, const QJsonArray& teclas);

// The shown, enabled button whose caption starts with "&" and this digit, for windows without keyboard rules
// of their own (the module's dialogs have theirs, TFrmMod::BotaoDoDigito).
QAbstractButton* BotaoDoDigito(const QWidget* janela, QChar digito);

// Activates the window and waits (events running) until it is active, as offscreen windows become active
// through the event queue; false after the deadline.
bool EsperaAtiva(QWidget* w, int prazoMs = 3000);

// A window appearance: (IdDe, how many times it became active), each acted on once.
using Aparicao = QPair<int, int>;

// When the top modal window counts as settled, asked on every tick of a driver: active (activated, as a
// window manager would, once it stayed inactive kAtivacaoMs), not acting by itself (the module's dialogs say
// so through their "ocupado" property while a handler runs, an automatic confirm is pending or they close)
// and the same appearance for kAssentamentoMs.
class Assentamento {
public:
    // Whether the window is the active one; activates it when it has waited long enough.
    bool Ativa(QWidget* tela);
    // Whether this appearance has been quiet kAssentamentoMs; a busy window starts the wait again.
    bool Quieta(QWidget* tela, Aparicao aparicao);
    bool Assentou(QWidget* tela, Aparicao aparicao) { return Ativa(tela) && Quieta(tela, aparicao); }
    // Once acted on, the same screen waits as long again, so that the keys just given are handled first.
    void Recomeca() { quieta_.start(); }

private:
    QElapsedTimer ativacao_;
    QElapsedTimer quieta_;
    Aparicao candidata_{-1, -1};
};

} // namespace Teclado
