// The document row of a capture screen: the scanned bar code in one edit, or the printed line typed in blocks
// (three blocks, the general check digit and the fourth block of a boleto; four blocks of a collection), each
// block checked as it fills and the whole line checked before it stands for the document. The bill capture
// and the payment cancellation take the document the same way.
#pragma once

#include <QObject>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;
class TFrmMod;

namespace Partes {
class Captura;
}

class BlocosCodigoBarras : public QObject {
public:
    // The row's edits are made in the capture panel, height high. tipoEntrada is where a line typed short
    // sends the operator; focoProprio is the form's flag for focus changes of its own (no exit handler runs
    // then).
    BlocosCodigoBarras(TFrmMod& form, Partes::Captura& captura, int altura, QLineEdit* tipoEntrada,
                       bool& focoProprio);

    // The row's one control (the bar-code edit and the blocks side by side), for the capture panel.
    QWidget* Linha() const { return linha_; }
    // The bar-code edit and the blocks, in the order Enter visits them.
    std::array<QLineEdit*, 7> Edits() const {
        return {EdDoc, ed_bloco1, ed_bloco2, ed_bloco3, ed_digito, ed_bloco4_14, ed_bloco4_12};
    }

    // 0 clears the blocks, 1 shows the bar-code edit alone, 2 shows the boleto's blocks.
    void Limpa(int modo);
    // A collection (first digit 8) or a boleto: the blocks' lengths and which fourth block shows.
    void AjustaLayout(bool convenio);
    // The whole typed line: on success the bar-code edit shows again and holds the line as checked.
    bool Valida();
    // The entry type the operator chose: "1" (typed) shows the empty blocks, "0" (read) the bar-code edit.
    void MostraConformeTipo(const QString& tipo);
    // A control of the form still able to take the focus gets it (else the form's first), as the form's own
    // change.
    void Foca(QWidget* controle);

    QLineEdit* EdDoc = nullptr;
    QLineEdit* ed_bloco1 = nullptr;
    QLineEdit* ed_bloco2 = nullptr;
    QLineEdit* ed_bloco3 = nullptr;
    QLineEdit* ed_digito = nullptr;
    QLineEdit* ed_bloco4_14 = nullptr;
    QLineEdit* ed_bloco4_12 = nullptr;
    // Leaving the fourth block for this button (the form's Return) does not check the line.
    QPushButton* retorna = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void BlocoAlterado(QLineEdit* bloco);
    void Aviso(const char* mensagem);

    TFrmMod& form_;
    Partes::Captura& captura_;
    QLineEdit* tipoEntrada_;
    bool& focoProprio_;
    QWidget* linha_ = nullptr;
};
