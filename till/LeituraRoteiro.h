// The operator scripts' format (docs/ROTEIROS.md) read into calls and steps, so that the runner
// works on what a script says rather than on its JSON.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One step: the screen it waits for, what that screen must show and what the operator does on it.
struct PassoRoteiro {
    static constexpr int kPrazoPadraoMs = 5000;

    QJsonObject espera;  // checked by ConfereTela
    QJsonArray teclas;   // in Teclado's notation
    bool fechar = false; // "acao": "fechar": the window's close button instead of keys
    bool mesmaTela = false;
    bool relance = false;
    int prazoMs = kPrazoPadraoMs;
    std::optional<QJsonObject> servidor;     // server changes once the screen was checked
    std::optional<QJsonValue> falhaGravacao; // host field writes that fail from then on, likewise
};

// One call of an entry point and what must hold once it returned.
struct ChamadaRoteiro {
    QJsonObject preparo; // the call's own host preset (arquivos, campos, ..., servidor, pinpad), as written
    QString entrada;
    int modo = 0;
    std::optional<qint64> janela; // the till's own window unless given
    QList<PassoRoteiro> passos;
    QJsonObject resultado;
    int gravacoes = 1;
    QStringList audit, semAudit;
    QStringList mensagens; // texts the message lines must have shown during the call
    std::optional<QStringList> telas;
    std::optional<QJsonArray> pedidos;
    std::optional<QJsonArray> eventosPinpad;
    std::optional<QJsonObject> arquivosFinais;
    QJsonObject camposModulo; // host fields as the host's other payment module found them
    QJsonObject versao;       // ObtemVersao's expected values
};

struct ScriptRoteiro {
    QJsonObject preparo; // the host preset at the top of the script, as written
    QList<ChamadaRoteiro> chamadas;
};

// The script in the file; nullopt with the reason in erro when it cannot be read or a step is malformed.
std::optional<ScriptRoteiro> LeRoteiro(const QString& arquivo, QString& erro);

// "1009" or "1009.1" -> (field, occurrence).
bool ChaveCampo(const QString& chave, int& campo, int& ocorrencia);

// A JSON value on one line, as failures quote it.
QString Compacto(const QJsonValue& v);

QStringList ListaTexto(const QJsonValue& v);
