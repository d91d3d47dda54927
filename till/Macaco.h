// The monkey tester: random operator sessions against the simulated bank, each one call of an entry point
// whose screens get random keys while the server and the PIN pad misbehave at random. A call that hangs, ends
// without a result code, writes the result file other than once or lets a card number, track or PIN out is a
// failure, saved as an operator script that --script replays.
#pragma once

#include "Segredos.h"
#include "Teclado.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPair>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>

class Modulo;
class ServidorSimulado;
class QWidget;

class Macaco : public QObject {
    Q_OBJECT
public:
    struct Opcoes {
        int sessoes = 0;
        quint32 semente = 0;
        QString dirSaida;    // replay scripts (and transcripts) of the failed sessions
        QString cenario;     // the default scenario; the others are taken from its folder
        QString transcricao; // JSON lines of every session, when set
    };

    explicit Macaco(Opcoes opcoes);
    ~Macaco() override;

    // Plays every session; 0 when none failed.
    int Executa();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    // One session: its host, server and PIN pad drawn and set, the call driven and checked; false when the
    // run cannot go on (a scenario or the module that does not load).
    bool Sessao(int numero, quint32 semente);
    bool Prepara();
    void SorteiaPinpad();
    QJsonObject SorteiaFalhas(int sorteios);
    QJsonArray SorteiaAcao(QWidget* tela);
    void Passo();
    void Age(QWidget* tela);
    // A transcript line, unless it holds a secret of the session: then it is withheld and the session fails.
    void Registra(const QJsonObject& linha);
    void Falha(const QString& motivo);
    void GravaRoteiro(bool final);
    QString ArquivoRoteiro() const;

    static void Observador(const char* tipo, const char* texto, void* contexto);

    Opcoes opcoes_;
    std::unique_ptr<ServidorSimulado> servidor_;
    std::unique_ptr<Modulo> modulo_;
    std::unique_ptr<QWidget> janelaHost_;
    QString dirHost_;
    std::FILE* transcricao_ = nullptr;
    int falhas_ = 0;
    int acoesTotais_ = 0;

    // The session: its decisions, the script that replays it, what it must not let out.
    QRandomGenerator gerador_;
    int numero_ = 0;
    QJsonObject roteiro_;
    QJsonArray passos_;
    QStringList motivos_;
    QList<QByteArray> linhas_;
    std::unique_ptr<Segredos> segredos_;
    QStringList cartoes_;       // descriptions of the PIN pad's cards
    QStringList codigosBarras_; // of the scenario's bills
    int maxAcoes_ = 0;
    int acaoFalha_ = -1; // the action before which the server's faults change
    QJsonObject falhaMeio_;

    // The call being driven.
    bool emChamada_ = false;
    std::atomic<std::chrono::steady_clock::rep> limiteChamada_{0}; // when the call must have ended; 0: none
    std::atomic<int> sessaoVigiada_{0};
    bool abortando_ = false;
    int acoes_ = 0;
    int impaciente_ = -1; // whether the next action waits for the screen to settle; -1: not drawn yet
    QElapsedTimer relogioChamada_;
    QElapsedTimer relogioAborto_;
    Teclado::Assentamento assentamento_;
    QPair<int, int> ultimaTratada_{-1, -1};
};
