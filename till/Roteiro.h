// Operator scripts: preset the host, call the module's entry points and drive its screens from the keyboard
// as an operator would, checking what each screen shows. Every wait has a deadline. The script is read by
// LeituraRoteiro, each screen checked by ConferenciaTela and the PIN pad scripted by PinpadRoteiro; this
// runner sequences the calls and their steps.
#pragma once

#include "ConferenciaTela.h"
#include "LeituraRoteiro.h"
#include "PinpadRoteiro.h"
#include "Segredos.h"
#include "Teclado.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

class Modulo;
class QWidget;
class ServidorSimulado;

namespace cbserver {
class Servidor;
struct CartaoCenario;
} // namespace cbserver

class Roteiro : public QObject {
    Q_OBJECT
public:
    struct Opcoes {
        QString script;
        QString dirTelas;    // screenshots of every screen seen, when set
        QString transcricao; // JSON lines, when set
        bool silencioso = false;
        QString cenario;  // scenario of the in-process server, unless the script names one
        QString servidor; // HOST:PORT of an external server instead
        // Called as a step acts on its screen, just before its keys are queued or the window is closed: the
        // bench times from here to the next screen.
        std::function<void(int chamada, int passo, QWidget* tela)> aoAgir;
    };

    explicit Roteiro(Opcoes opcoes);
    ~Roteiro() override;

    // Runs the whole script; 0 when every expectation held.
    int Executa();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    bool PreparaHost(const QJsonObject& preparo);
    bool DefineFalhaGravacao(const QJsonValue& campos);
    bool PreparaServidor(const QJsonObject& script);
    bool AjustaServidor(const QJsonObject& servidor, bool inicio);
    bool AplicaPinpad(const QJsonObject& preparo, const QString& onde);
    void ConferePedidos(const QJsonArray& esperados, int indice);
    bool ExecutaChamada(const ChamadaRoteiro& chamada, int indice);
    bool Chama(const ChamadaRoteiro& chamada, int indice);
    void ConfereResultado(const ChamadaRoteiro& chamada, int indice, int gravacoes);
    // The scenario's cards, for the PIN pad.
    std::vector<cbserver::CartaoCenario> CartoesDoCenario();
    void ConfereArquivos(const QJsonObject& esperados, int indice);
    void Passo();
    // Checks the step against the screen and acts on it; false when the call is being aborted.
    bool Age(const PassoRoteiro& passo, QWidget* tela, const RetratoTela& retrato);
    // A "relance" step: checked against a screen as it stood when it became active, for the screens that
    // confirm themselves before they settle.
    bool TomaRelance(const PassoRoteiro& passo);
    // Writes a transcript line, unless it holds a card number, track or PIN of the script: then a failure
    // that names what it held (not the secret) is written instead, and the result is false.
    bool Registra(const QJsonObject& linha);
    void Escreve(const QByteArray& linha);
    void Falha(const QString& motivo);
    void Aborta();
    void Fotografa(QWidget* tela);

    static void Observador(const char* tipo, const char* texto, void* contexto);
    static void MensagemQt(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto);

    Opcoes opcoes_;
    std::unique_ptr<ServidorSimulado> servidor_;
    std::unique_ptr<Modulo> modulo_;
    std::unique_ptr<QWidget> janelaHost_;
    QString dirHost_;
    std::FILE* transcricao_ = nullptr;
    int falhas_ = 0;

    // What the safety net looks for, and the PIN pad's cards as they stand.
    Segredos segredos_;
    PinpadRoteiro pinpad_;
    std::unique_ptr<cbserver::Servidor>
        cenarioCartoes_; // with an external server: its scenario, for the cards

    // State of the call being driven.
    QList<PassoRoteiro> passos_;
    int chamadaAtual_ = 0;
    int proximoPasso_ = 0;
    bool abortando_ = false;
    bool emChamada_ = false;
    qint64 janelaEsperada_ = 0;
    QElapsedTimer relogioPasso_;
    Teclado::Assentamento assentamento_;
    // Each window appearance is acted on once.
    QSet<Teclado::Aparicao> tratadas_;
    QList<QPair<Teclado::Aparicao, RetratoTela>> relances_; // every screen of the call as it became active
    Teclado::Aparicao ultimaTratada_{-1, -1};
    QStringList telasVistas_;
    QStringList audit_;
    QStringList mensagens_; // every text the message lines showed during the call
    QJsonArray pedidos_;    // requests sent during the call, as recorded
    QStringList eventosPinpad_;
    QJsonObject camposModulo_; // expected when the host's other module is called
    bool moduloChamado_ = false;
    int numeroTela_ = 0;
};
