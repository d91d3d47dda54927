// A short run of operator steps on the module's screens, for the till's own tours and tests where a whole
// operator script and its runner are more than needed: each step's keys go to the next screen once it has
// settled, or, with mesmaTela, to the same screen again once the keys before have been handled.
#pragma once

#include "Teclado.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class Piloto : public QObject {
    Q_OBJECT
public:
    static constexpr int kPrazoMs = 10000;

    struct Passo {
        QString classe; // of the screen awaited (a new appearance); ignored with mesmaTela
        QStringList teclas;
        bool mesmaTela = false;
    };
    // antes: called with each step's screen just before its keys go.
    explicit Piloto(QList<Passo> passos, std::function<void(int passo, QWidget* tela)> antes = {});
    ~Piloto() override;

    // Starts watching the screens; the steps run inside whatever modal loops the module opens.
    void Inicia() {
        desdeAcao_.start();
        relogio_.start();
    }
    bool Terminou() const { return proximo_ >= passos_.size(); }
    // The first screen that was not the one a step awaited, or a step that waited kPrazoMs, described; empty
    // while none.
    QString Erro() const { return erro_; }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void Tique();

    QList<Passo> passos_;
    std::function<void(int, QWidget*)> antes_;
    qsizetype proximo_ = 0;
    QString erro_;
    QTimer relogio_;
    QElapsedTimer desdeAcao_;
    Teclado::Assentamento assentamento_;
    Teclado::Aparicao ultima_{-1, -1};
};

// The steps of a bill payment up to the payment-method menu: "1" on the banking and payments menus, the bar
// code typed into the capture dialog, the bank's query confirmed as it comes and "No" to another document.
QList<Piloto::Passo> PassosAteFormaDePagamento(const QString& codigoDeBarras);
