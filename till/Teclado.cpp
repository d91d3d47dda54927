#include "Teclado.h"

#include <QApplication>
#include <QHash>
#include <QJsonArray>
#include <QKeyEvent>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace Teclado {

int IdDe(QWidget* w) {
    static int proximo = 0;
    QVariant v = w->property("cbTecladoId");
    if (!v.isValid()) {
        v = ++proximo;
        w->setProperty("cbTecladoId", v);
    }
    return v.toInt();
}

void PostaTeclas(QWidget* tela, const QJsonArray& teclas) {
    QWidget* alvo = QApplication::focusWidget();
    if (!alvo || alvo->window() != tela) alvo = tela;
    auto posta = [&](int tecla, Qt::KeyboardModifiers mod, const QString& texto) {
        QCoreApplication::postEvent(alvo, new QKeyEvent(QEvent::KeyPress, tecla, mod, texto));
        QCoreApplication::postEvent(alvo, new QKeyEvent(QEvent::KeyRelease, tecla, mod, texto));
    };
    static const QHash<QString, QPair<int, QString>> especiais{
        {QStringLiteral("<Enter>"), {Qt::Key_Return, QStringLiteral("\r")}},
        {QStringLiteral("<Backspace>"), {Qt::Key_Backspace, QStringLiteral("\b")}},
        {QStringLiteral("<Esc>"), {Qt::Key_Escape, QStringLiteral("\x1b")}},
        {QStringLiteral("<Tab>"), {Qt::Key_Tab, QStringLiteral("\t")}},
        {QStringLiteral("<Up>"), {Qt::Key_Up, QString()}},
        {QStringLiteral("<Down>"), {Qt::Key_Down, QString()}}};
    for (const auto& v : teclas) {
        const QString t = v.toString();
        if (const auto it = especiais.constFind(t); it != especiais.cend()) {
            posta(it->first, Qt::NoModifier, it->second);
        } else if (t.startsWith(QLatin1String("<Alt+")) && t.size() == 7 && t.endsWith(QLatin1Char('>'))) {
            const QChar c = t.at(5);
            posta(Qt::Key_0 + (c.unicode() - u'0'), Qt::AltModifier, QString(c));
        } else {
            for (const QChar c : t) {
                const int k = c.isDigit() ? Qt::Key_0 + (c.unicode() - u'0') : c.toUpper().unicode();
                posta(k, Qt::NoModifier, QString(c));
            }
        }
    }
}

} // namespace Teclado
