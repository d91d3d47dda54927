// Operator scripts: preset the host, call the module's entry points and drive its screens from the keyboard
// as an operator would, checking what each screen shows. Every wait has a deadline.
#pragma once

#include "CartoesPinpad.h"
#include "Segredos.h"

#include <QElapsedTimer>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdio>
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
    };

    explicit Roteiro(Opcoes opcoes);
    ~Roteiro() override;

    // Runs the whole script; 0 when every expectation held.
    int Executa();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    bool PreparaHost(const QJsonObject& script);
    bool PreparaServidor(const QJsonObject& script);
    bool AjustaServidor(const QJsonObject& servidor, bool inicio);
    void ConferePedidos(const QJsonArray& esperados, int indice);
    bool ExecutaChamada(const QJsonObject& chamada, int indice);
    bool Chama(const QJsonObject& chamada, int indice);
    // The simulated PIN pad: the scenario's cards (and the script's own) on offer before every call, and the
    // "pinpad" answers of the script or of a call.
    std::vector<cbserver::CartaoCenario> CartoesDoCenario();
    void CarregaCartoes();
    bool AplicaPinpad(const QJsonValue& pinpad, const QString& onde);
    void ConfereEventosPinpad(const QJsonArray& esperados, int indice);
    void ConfereArquivos(const QJsonObject& esperados, int indice);
    void Passo();
    bool ConfereTela(QWidget* tela, const QJsonObject& espera, QString& motivo) const;
    bool ConfereDescricao(const QJsonObject& d, const QJsonObject& espera, QString& motivo) const;
    // A "relance" step: checked against a screen as it stood when it became active, for the screens that
    // confirm themselves before they settle.
    bool TomaRelance(const QJsonObject& passo);
    QJsonObject DescreveTela(QWidget* tela) const;
    // Writes a transcript line, unless it holds a card number, track or PIN of the script: then a failure
    // that names what it held (not the secret) is written instead, and the result is false.
    bool Registra(const QJsonObject& linha);
    void Escreve(const QByteArray& linha);
    void Falha(const QString& motivo);
    void Aborta();
    void Fotografa(QWidget* tela);

    static void Observador(const char* tipo, const char* texto, void* contexto);

    Opcoes opcoes_;
    std::unique_ptr<ServidorSimulado> servidor_;
    std::unique_ptr<Modulo> modulo_;
    std::unique_ptr<QWidget> janelaHost_;
    QString dirHost_;
    std::FILE* transcricao_ = nullptr;
    int falhas_ = 0;

    // What the safety net looks for, and the PIN pad's cards as they stand.
    Segredos segredos_;
    std::vector<cbserver::CartaoCenario> cartoesExtras_; // the script's own, after the scenario's
    QList<CartaoPinpad> cartoes_;
    int cartaoApresentado_ = -1;
    std::unique_ptr<cbserver::Servidor>
        cenarioCartoes_; // with an external server: its scenario, for the cards

    // State of the call being driven.
    QJsonArray passos_;
    int proximoPasso_ = 0;
    bool abortando_ = false;
    bool emChamada_ = false;
    qint64 janelaEsperada_ = 0;
    QElapsedTimer relogioPasso_;
    QElapsedTimer relogioAtivacao_;
    QElapsedTimer relogioAssentamento_;
    // A window appearance is (window id, activation count); each is acted on once.
    QSet<QPair<int, int>> tratadas_;
    QList<QPair<QPair<int, int>, QJsonObject>> relances_; // every screen of the call as it became active
    QPair<int, int> candidata_{-1, -1};
    QPair<int, int> ultimaTratada_{-1, -1};
    QStringList telasVistas_;
    QStringList audit_;
    QJsonArray pedidos_; // requests sent during the call, as recorded
    QStringList eventosPinpad_;
    int numeroTela_ = 0;
};
