// Operator scripts: preset the host, call the module's entry points and drive its screens from the keyboard
// as an operator would, checking what each screen shows. Every wait has a deadline.
#pragma once

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

class Modulo;
class QWidget;
class ServidorSimulado;

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
    void Passo();
    bool ConfereTela(QWidget* tela, const QJsonObject& espera, QString& motivo) const;
    void EnviaTeclas(QWidget* tela, const QJsonArray& teclas);
    QJsonObject DescreveTela(QWidget* tela) const;
    void Registra(const QJsonObject& linha);
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
    QPair<int, int> candidata_{-1, -1};
    QPair<int, int> ultimaTratada_{-1, -1};
    QStringList telasVistas_;
    QStringList audit_;
    QJsonArray pedidos_; // requests sent during the call, as recorded
    int numeroTela_ = 0;
};
