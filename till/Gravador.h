// cb-till --record: what the operator does in the till's window, written as an operator script that
// cb-till --script replays. Each call of an entry point keeps the host fields the operator set, the keys
// typed on each of the module's screens (a step per screen, and a "mesmaTela" step each time the focus moves
// on the same screen), what the customer did at the PIN pad, the supervisor's answer and the result the call
// left in 1009/1027. The server's scenario and fault switches go in as they were when each call started.
//
// Secrets are never written: a PIN the customer typed on the PIN pad is written as kSenhaGravada (the
// customer's digits never reach the recorder), and keys typed into an edit that hides its text (a card
// number, a security code) are written as '*', for the trainer to replace before replaying.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

class Gravador : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kSenhaGravada = "4821";

    // arquivo: the script to write; dirHost: the host folder, whose INI files the script starts from.
    Gravador(QString arquivo, QString dirHost);
    ~Gravador() override;

    // The scenario file and fault switches of the server of this process, whenever they change.
    void DefineServidor(const QString& cenario, const QJsonObject& falhas);

    void IniciaChamada(const QString& entrada, int modo, const QJsonObject& campos);
    // The answer to the supervisor's password during the call.
    void Operador(bool valido);
    // A PIN pad request of the call ended (JanelaPinpad::pedidoTerminado).
    void Pinpad(int pedido, int resultado, const QString& cartao);
    // Ends the call with what it left and writes the whole script; false (and erro) when it cannot be
    // written.
    bool TerminaChamada(const QJsonObject& resultado, int gravacoes, QString* erro);
    // A call that opens no screen (ObtemVersao), written at once.
    bool ChamadaSimples(const QJsonObject& chamada, QString* erro);

    QString Arquivo() const { return arquivo_; }
    // What could not be recorded as it was, in the order it happened.
    QStringList Avisos() const { return avisos_; }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void Registra(QWidget* tela, const QString& tecla);
    void Fecha(QWidget* tela);
    void NovoPasso(QWidget* tela, QWidget* foco);
    // The server's changes since the last call recorded (the first call puts the server at the top).
    QJsonObject MudancasDoServidor();
    bool Grava(QString* erro);

    QString arquivo_;
    QJsonObject inicio_; // arquivos and servidor as the session started
    QJsonArray chamadas_;
    QStringList avisos_;

    QString cenario_;
    QJsonObject falhas_;
    QString cenarioGravado_;
    QJsonObject falhasGravadas_;

    // The call being recorded.
    bool emChamada_ = false;
    QJsonObject chamada_;
    QJsonArray passos_;
    QJsonArray senhas_, confirmacoes_;
    QJsonValue cartao_;
    bool leuCartao_ = false;
    // The screen the last step was typed on, as it was then: the same appearance and focus add to it.
    QPointer<QWidget> telaPasso_;
    QPointer<QWidget> focoPasso_;
    bool novaAparicao_ = true;
    QPointer<QWidget> ultimaTelaAtiva_;
};
