// The floors: a screen of the module copied as it stood (widgets, geometry, texts, fonts, window flags, the
// focus) and built again in a bare QDialog with no theme, no palette and no handlers of its own, so that a
// figure can be set beside what Qt alone takes for the same screen.
#pragma once

#include <QFont>
#include <QFrame>
#include <QLineEdit>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace cbbench {

inline constexpr char kNomePiso[] = "cbBenchPiso";
// The floor's copy of a message box marks the button that Esc presses with this property.
inline constexpr char kEscapeDoPiso[] = "cbBenchEscape";

// One widget of the menu as it stood on screen, enough to build the same widget in a bare dialog.
struct Peca {
    enum Tipo { Botao, Rotulo, Quadro, Outro, Edicao, Lista, Grade, Grupo } tipo = Outro;
    int pai = -1; // index of the parent piece; -1 for the dialog itself
    QString nome;
    QString texto;
    QRect geometria;
    QFont fonte;
    Qt::Alignment alinhamento;
    QFrame::Shape forma = QFrame::NoFrame;
    bool visivel = true;
    bool habilitado = true;
    // Edits: their limit, whether they take text and how they echo it.
    int tamanhoMaximo = 32767;
    bool somenteLeitura = false;
    QLineEdit::EchoMode eco = QLineEdit::Normal;
    // Lists and grids: their items (a grid's row by row), the grid's shape and column widths.
    QStringList itens;
    int linhas = 0, colunas = 0, atual = -1;
    std::vector<int> larguras;
};

struct Planta {
    Qt::WindowFlags flags;
    QSize tamanho;
    QString titulo;
    QFont fonte;
    std::vector<Peca> pecas;
    bool temEncerra = false;
    int foco = -1;   // the piece that had the keyboard focus when the screen was copied
    int escape = -1; // a message box's button that Esc presses
};

// Edits, lists and grids are copied whole: their inner widgets (viewport, scroll bars, headers) are Qt's own

// The menu as it stood, without its focus.
Planta copiaMenu(const QWidget* menu);
// Any screen of a walk, with the control that has the focus and, for a message box, the button Esc presses.
Planta copiaTela(const QWidget* tela);
// A dialog of the menu's size with a caption and the closing button, to warm Qt up.
Planta plantaAquecimento();
// Whether the copy holds a shown, enabled button for this digit ("&1 - ...").
bool temOpcao(const Planta& p, char digito);
// The shown, enabled numbered options ("&1" to "&8") of the copy: a menu with fewer than two opens its only
// one (or closes) by itself instead of waiting for the operator.
int opcoesOferecidas(const Planta& p);

// The same widgets, sizes and texts in a plain QDialog: no theme, no palette, no handlers but "&9" closing
// it and, when given, "&1" calling opcao1 with the dialog (which opens the next bare dialog over it). The
// widgets made, in the order of the copy's pieces, go to feitosSaida when given.
QDialog* constroiPiso(const Planta& p, const char* nome = kNomePiso, QWidget* janelaPai = nullptr,
                      std::function<void(QDialog*)> opcao1 = {},
                      std::vector<QWidget*>* feitosSaida = nullptr);

// Copies written to a file and read back, so that a fresh process can build the floors of screens it never
// showed (the cold figure). lePlantas returns false when the file is missing or cut short.
bool gravaPlantas(const QString& arquivo, const std::vector<Planta>& plantas);
bool lePlantas(const QString& arquivo, std::vector<Planta>& plantas);

} // namespace cbbench
