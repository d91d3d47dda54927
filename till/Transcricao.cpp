#include "Transcricao.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace {

// The platform describes each request and reply on one line: blank-separated tokens, each a bare word, a
// "quoted" text (with \" \\ and \xHH escapes) or key= either of them.
struct Token {
    QByteArray chave;
    QByteArray valor;
    bool temChave = false;
};

QList<Token> Tokens(const char* linha) {
    const QByteArray s(linha ? linha : "");
    const qsizetype n = s.size();
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < n) {
        while (i < n && s[i] == ' ')
            ++i;
        if (i >= n) break;
        Token t;
        if (s[i] != '"') {
            qsizetype j = i;
            while (j < n && s[j] != ' ' && s[j] != '=')
                ++j;
            if (j < n && s[j] == '=') {
                t.chave = s.mid(i, j - i);
                t.temChave = true;
                i = j + 1;
            }
        }
        if (i < n && s[i] == '"') {
            for (++i; i < n && s[i] != '"';) {
                if (s[i] == '\\' && i + 3 < n && s[i + 1] == 'x') {
                    t.valor += static_cast<char>(s.mid(i + 2, 2).toInt(nullptr, 16));
                    i += 4;
                } else if (s[i] == '\\' && i + 1 < n) {
                    t.valor += s[i + 1];
                    i += 2;
                } else {
                    t.valor += s[i++];
                }
            }
            ++i;
        } else {
            while (i < n && s[i] != ' ')
                t.valor += s[i++];
        }
        tokens << t;
    }
    return tokens;
}

} // namespace

QJsonObject PedidoDaDescricao(const char* linha) {
    QJsonObject itens;
    QHash<QString, int> vezes;
    int codigo = -1;
    int flag = 0;
    for (const Token& t : Tokens(linha)) {
        if (!t.temChave) {
            if (codigo < 0) codigo = t.valor.toInt();
            continue;
        }
        if (t.chave == "flag") {
            flag = t.valor.toInt();
            continue;
        }
        QString chave = QString::fromLatin1(t.chave);
        if (const int n = ++vezes[chave]; n > 1) chave += QStringLiteral("#%1").arg(n);
        itens.insert(chave, QString::fromLatin1(t.valor));
    }
    return {{QStringLiteral("tipo"), QStringLiteral("pedido")},
            {QStringLiteral("codigo"), codigo},
            {QStringLiteral("flag"), flag},
            {QStringLiteral("itens"), itens}};
}

QJsonObject RespostaDaDescricao(const char* linha) {
    QStringList nus;
    QJsonObject servicos;
    int h = 0;
    for (const Token& t : Tokens(linha)) {
        if (!t.temChave)
            nus << QString::fromLatin1(t.valor);
        else if (t.chave == "h")
            h = t.valor.toInt();
        else
            servicos.insert(QString::fromLatin1(t.chave), t.valor.toInt());
    }
    return {{QStringLiteral("tipo"), QStringLiteral("resposta")},
            {QStringLiteral("codigo"), nus.value(0)},
            {QStringLiteral("texto"), nus.value(1)},
            {QStringLiteral("servicos"), servicos},
            {QStringLiteral("h"), h}};
}
