// The parts every capture screen is made of: the capture panel with its rows (a label, then one or more
// controls side by side, each with its prompt), the Confirm/Return pair, the list driven from the numeric
// keyboard and the edit that takes digits only. A dialog says what its rows are; where they go on the fixed
// frame is decided here, once.
#pragma once

#include <QComboBox>
#include <QRect>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TFrmMod;

namespace Partes {

// Where a capture panel sits on the screen and how its rows fall inside it: the first row's top, the pitch
// from row to row, a control's height, the label's left edge and width, and the first control's left edge.
struct Grade {
    Grade(const QRect& c) : caixa(c) {} // NOLINT: a box alone takes the usual rows
    QRect caixa;
    int topo = 8;
    int passo = 31;
    int altura = 26;
    int xRotulo = 20;
    int larguraRotulo = 170;
    int xCampo = 200;
};

// The usual box of a screen that asks for one amount: its row in the middle of the box.
Grade GradeValor(const QRect& caixa);

// What an edit takes from the keyboard: any text, or digits only (with Backspace and Enter).
enum class Entrada { Texto, Digitos };

// A list operated from the numeric keyboard: "2" moves to the next item, "8" to the previous one, and any
// other digit presses the dialog's button of that digit, since a list takes no text.
class ListaTeclado : public QComboBox {
public:
    explicit ListaTeclado(QWidget* pai) : QComboBox(pai) {}

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// The capture panel: a framed box at its place of the screen whose rows fall on the grade's lines when the
// dialog is built (Monta), so a derived form may move the base's rows before it lays them out. A hidden row
// keeps its place.
class Captura {
public:
    Captura(TFrmMod& dono, const Grade& grade, QWidget* pai = nullptr);

    QFrame* Painel() const { return painel_; }
    // A derived form that needs more room places the box and its rows again.
    void Redefine(const Grade& grade);
    QLabel* Rotulo(const QString& nome, const QString& texto = {}) const;
    // An edit of at most tamanho characters (0: no limit); its prompt shows while it has the focus.
    QLineEdit* Campo(const QString& nome, int tamanho, Entrada entrada, const QString& dica) const;
    ListaTeclado* Lista(const QString& nome, const QString& dica) const;

    // Row linha holds the label and the controls, each of the given width (0: up to the panel's edge). A row
    // given again for the same label moves there.
    void Linha(int linha, QLabel* rotulo, std::initializer_list<std::pair<QWidget*, int>> controles);
    void Linha(int linha, QLabel* rotulo, QWidget* controle, int largura = 0) {
        Linha(linha, rotulo, {{controle, largura}});
    }
    // Lays the rows out; called once the dialog has made every row (the base forms do it).
    void Monta();

private:
    struct Fila {
        int linha;
        QLabel* rotulo;
        std::vector<std::pair<QWidget*, int>> controles;
    };
    TFrmMod& dono_;
    Grade grade_;
    QFrame* painel_;
    std::vector<Fila> filas_;
};

// Confirm and Return, made after the fields so that they follow them in the focus chain: the dialog opens on
// its first field and Enter on the last one reaches Confirm.
struct Botoes {
    QPushButton* confirma;
    QPushButton* retorna;
};
// The pair at its place (on painel when given), each with its prompt and its handler under the dialog's
// guard; the fields listed are chained to them in this order.
Botoes CriaConfirmaRetorna(TFrmMod& dono, QWidget* painel, QPoint origem, const QString& textoRetorna,
                           std::function<void()> confirma, std::function<void()> retorna,
                           std::initializer_list<QWidget*> campos = {});

// Digits only (with Backspace, Enter and the keys that move the cursor) into an edit of any dialog.
void SoDigitos(QLineEdit* edit);

// Runs acao, under the dialog's guard, whenever the control loses the focus: a field that reports leaving
// to the next one.
void AoSair(TFrmMod& dono, QWidget* controle, std::function<void()> acao);

} // namespace Partes
