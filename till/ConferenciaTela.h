// What a screen shows, as the operator scripts see it, and the check of a step's "espera" against it.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class QWidget;

// A screen as it stood: its transcript line, which the checks read.
struct RetratoTela {
    QJsonObject descricao; // tipo, classe, titulo, mensagem, opcoes, habilitadas, foco, campos, bloqueados
};

RetratoTela RetrataTela(QWidget* tela);

// Whether the screen shows what espera says; when not, motivo says what differs.
bool ConfereTela(const RetratoTela& tela, const QJsonObject& espera, QString& motivo);
// Host fields (`"field"` or `"field.occurrence"` to text, null: absent) as they stand now.
bool ConfereHost(const QJsonObject& e, QString& motivo);

// A host field as text, null when absent.
QJsonValue LeCampoJson(int campo, int ocorrencia);

QString ClasseDe(const QWidget* w);
