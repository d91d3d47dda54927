// The walk through the module's screens as the operator goes through them (Observador) and the module's calls
// under the deadline (Bancada): what the figures of the screens share.
#pragma once

#include "Comum.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QEvent;
class QKeyEvent;
class QWidget;

namespace cbbench {

struct Planta;

inline constexpr char kClasseMenu[] = "TFrmSel_Mnu";

// What the operator does on a screen before the key that leaves it: text typed into the focused control (one
// key per character) or one key, each in a turn of the event loop of its own, as a keyboard delivers them.
// foco, when given, is the control that must have the focus first.
struct Acao {
    QString teclas; // in the operator scripts' notation (Teclado::Interpreta): text, "<Enter>", ...
    const char* foco = nullptr;
};

// One screen of a walk through the dialogs: how to tell it when it is shown, the key that leaves it, and what
// is awaited after that key (named in the report when the deadline runs out). A screen left with a digit gets
// it at once; one with text to fill gets digita first. Saida::Enter presses Enter until the screen is left,
// as the operator confirms a dialog (Enter moves on from a field, and on a button presses it); Saida::Esc
// answers a message box with its escape button.
struct Tela {
    enum class Saida { Digito, Enter, Esc };
    std::function<bool(const QWidget*)> ehAlvo;
    char tecla = '9';
    std::string faseDepois;
    std::vector<Acao> digita = {};
    Saida saida = Saida::Digito;
    std::string nome = {}; // for the report: what the screen is
};

// What became of one screen of the walk.
struct Passo {
    bool visto = false;                          // shown
    std::optional<Relogio::time_point> mostrado; // its window exposed and painted
    std::optional<Relogio::time_point> tecla;    // the operator's key pressed on it (the last one, for Enter)
};

// Watches every event of the application and walks the screens it was given, as the operator would: when the
// awaited dialog has been shown and its window exposed (and so painted), it notes the time, types what the
// screen asks for and presses the key that leaves it ("9" closes a menu, another digit opens the next screen,
// Enter confirms a dialog, Esc answers a message box). Once the last screen was left, an earlier one that
// waits for the operator again is closed with "9", so that the call returns.
class Observador : public QObject {
public:
    explicit Observador(Vigia& vigia);

    // caixasEncerram: a message box that is not a screen of the walk ends the run at once with its text
    // (otherwise it is closed and kept in mensagens).
    void prepara(std::vector<Tela> telas, bool digitosPeloBench, bool caixasEncerram = false);

    // Called once a dialog of the walk is on screen, before its key is pressed.
    std::function<void(QWidget*)> aoMostrar;

    std::vector<Passo> passos;
    // Message boxes that came up meanwhile (each is closed so the call can return).
    QStringList mensagens;

    bool eventFilter(QObject* o, QEvent* e) override;

protected:
    void customEvent(QEvent* e) override;

private:
    void avanca(QWidget* w);
    void continua();
    void terminaTela();
    void fechaQuemEspera();
    void aoExibir(QWidget* w);
    static bool teclaNoPiso(QWidget* alvo, QWidget* janela, const QKeyEvent* k);

    Vigia& vigia_;
    std::vector<Tela> telas_;
    std::size_t atual_ = 0;
    bool digitosPeloBench_ = false;
    bool caixasEncerram_ = false;
    QPointer<QWidget> alvo_;
    bool sondaPostada_ = false;
    // The screen whose actions are being typed, its index, its next action and the Enters it had.
    QPointer<QWidget> emCurso_;
    std::size_t indiceEmCurso_ = 0;
    std::size_t acao_ = 0;
    int enters_ = 0;
    // Screens whose key opened another one, oldest first.
    std::vector<QPointer<QWidget>> abertas_;
    QTimer fechaEspera_;
};

struct Medida {
    double ateMenu = 0; // entry to the dialog on screen
    double total = 0;   // entry to the return
};

// The module loaded for the figures of its screens, the walk's observer and the run's deadline.
struct Bancada {
    Vigia& vigia;
    Observador& observador;
    Modulo modulo;
    int formsCriados = 0;
    int formsDestruidos = 0;

    static std::function<bool(const QWidget*)> daClasse(const char* classe);
    static std::function<bool(const QWidget*)> doNome(const char* nome);

    struct Chamada {
        Relogio::time_point inicio, fim; // just before the call, just after its return
        bool gravou = false;             // the result file was written
    };

    // ExecutaGenerico(0, 0) under the deadline; then what any call must have done: the banking menu shown, no
    // message box.
    Chamada executa(const std::string& contexto);
    // One ExecutaGenerico(0, 0) that stops at the banking menu and is closed with "9".
    Medida chamaMenu(const char* contexto);
    // The same widgets in a bare QDialog, run with exec() and closed with "9" the same way.
    Medida chamaPiso(const Planta& planta);
};

// The platform's observer: counts the banking menus made and destroyed, and keeps the last lines for a
// failure report.
void observa(const char* tipo, const char* texto, void* contexto);

} // namespace cbbench
