// The stand-in host's window: the module's entry points, host fields to preset, the PIN pad, and after each
// call the result code, the message and the result file.
#pragma once

#include "CartoesPinpad.h"

#include <QMainWindow>

#include <chrono>
#include <functional>
#include <memory>

class JanelaPinpad;
class Modulo;
class QLabel;
class QPlainTextEdit;

class JanelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // cartoes: the scenario's cards, already on offer in the simulated PIN pad; prazoPinpad: how long the PIN
    // pad waits for the customer.
    JanelaPrincipal(Modulo& modulo, const QList<CartaoPinpad>& cartoes,
                    std::chrono::milliseconds prazoPinpad);

private:
    void Chama(const QString& nome, const std::function<void(uint32_t)>& chamada);
    void AplicaCampos();
    void MostraResultado(const QString& nome);
    // Reads a card and a PIN through padkit, as the module would, and shows what was read, masked.
    void TestaPinpad();

    Modulo& modulo_;
    JanelaPinpad* pinpad_ = nullptr;
    QPlainTextEdit* campos_ = nullptr;
    QPlainTextEdit* resultado_ = nullptr;
    QLabel* situacao_ = nullptr;
};
