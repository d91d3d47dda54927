// The till's PIN pad: a small window like the device on the counter. A two-line display of 16 characters,
// the scenario's cards to insert (chip) or swipe (stripe), a numeric keypad (the keyboard's digits too) and
// the Anula, Limpa and Entra keys. Installed as the simulated PIN pad's interactive answerer, it serves the
// card reads, PIN entries, confirmations and display texts of padkit; while a request waits, a nested event
// loop runs until the customer answers or the deadline passes, so nobody at the pad never means a hang.
#pragma once

#include "CartoesPinpad.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <chrono>

class QLabel;
class QListWidget;
class QPushButton;

class JanelaPinpad : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColunasVisor = 16;
    static constexpr int kSenhaMinima = 4;
    static constexpr int kSenhaMaxima = 12;
    static constexpr std::chrono::milliseconds kPrazoPadrao{120000};

    explicit JanelaPinpad(QWidget* parent = nullptr);
    ~JanelaPinpad() override;
    JanelaPinpad(const JanelaPinpad&) = delete;
    JanelaPinpad& operator=(const JanelaPinpad&) = delete;

    // The cards the customer holds (already on offer in the simulated PIN pad).
    void DefineCartoes(const QList<CartaoPinpad>& cartoes);
    // How long a card read, PIN entry or confirmation waits for the customer.
    void DefinePrazo(std::chrono::milliseconds prazo) { prazo_ = prazo; }
    std::chrono::milliseconds Prazo() const { return prazo_; }
    // Makes this window the simulated PIN pad's interactive answerer; undone by Desinstala and on
    // destruction, after which the PIN pad is scripted again.
    void Instala();
    void Desinstala();

    // The card the customer holds ready (a row of the list), as the till's card menu picks it.
    void EscolheCartao(int linha);
    int CartaoEscolhido() const;

    // The request waiting for the customer (VORTASIM_PINPAD_CARTAO, _SENHA, _CONFIRMACAO), 0 when none.
    int PedidoAtual() const;
    QString Linha1() const;
    QString Linha2() const;

    // A text on the two display lines: a line break of its own is kept, else the text breaks between words
    // when that fits and after the 16th character when not; each line is cut to 16 characters.
    static QStringList LinhasDoVisor(const QString& texto);

signals:
    // A card read, PIN entry or confirmation has started and waits for the customer.
    void pedidoIniciado(int pedido);
    // It ended with this result (VORTASIM_PINPAD_OK, _ANULADO, _SEM_CARTAO); cartao is the description of the
    // card presented, for a card read that found one. Nothing the customer typed is told.
    void pedidoTerminado(int pedido, int resultado, const QString& cartao);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    struct Espera;

    static int Interativo(int pedido, const char* visor, void* contexto) noexcept;
    int Atende(int pedido, const QString& visor);
    void Digito(int digito);
    void Anula();
    void Limpa();
    void Entra();
    void Apresenta();
    void Termina(int resultado);
    void MostraVisor(const QStringList& linhas);
    void MostraModal(bool modal);
    void AtualizaControles();
    void ApagaSenha();

    QLabel* titulo_ = nullptr;
    QLabel* linha1_ = nullptr;
    QLabel* linha2_ = nullptr;
    QLabel* situacao_ = nullptr;
    QListWidget* lista_ = nullptr;
    QPushButton* inserir_ = nullptr;
    QPushButton* passar_ = nullptr;
    QPushButton* anula_ = nullptr;
    QPushButton* limpa_ = nullptr;
    QPushButton* entra_ = nullptr;
    std::array<QPushButton*, 10> teclas_{};

    QList<CartaoPinpad> cartoes_;
    QString apresentado_; // the card presented to the read under way
    std::chrono::milliseconds prazo_ = kPrazoPadrao;
    Espera* espera_ = nullptr;
    bool instalado_ = false;
    // The digits typed so far, in a fixed buffer that is wiped as soon as they are handed over or dropped;
    // the display only ever shows one '*' per digit.
    std::array<char, kSenhaMaxima + 1> senha_{};
    int digitos_ = 0;
};
