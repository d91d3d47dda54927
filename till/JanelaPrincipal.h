// The stand-in host's window: the module's entry points, host fields to preset, and after each call the
// result code, the message and the result file.
#pragma once

#include <QMainWindow>

#include <memory>

class Modulo;
class QLabel;
class QPlainTextEdit;

class JanelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit JanelaPrincipal(Modulo& modulo);

private:
    void Chama(const QString& nome, const std::function<void(uint32_t)>& chamada);
    void AplicaCampos();
    void MostraResultado(const QString& nome);

    Modulo& modulo_;
    QPlainTextEdit* campos_ = nullptr;
    QPlainTextEdit* resultado_ = nullptr;
    QLabel* situacao_ = nullptr;
};
