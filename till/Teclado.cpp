#include "Teclado.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QJsonArray>
#include <QKeyEvent>
#include <QPointer>
#include <QStringList>
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

// Qt's key codes of Latin-1 characters are their upper-case code points ('0' is Qt::Key_0, 'A' Qt::Key_A).
Tecla DoCaractere(QChar c) {
    return {c.toUpper().unicode(), Qt::NoModifier, QString(c)};
}

QList<Tecla> Interpreta(const QStringList& teclas) {
    static const QHash<QString, Tecla> especiais{
        {QStringLiteral("<Enter>"), {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}},
        {QStringLiteral("<Backspace>"), {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")}},
        {QStringLiteral("<Esc>"), {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")}},
        {QStringLiteral("<Tab>"), {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")}},
        {QStringLiteral("<Up>"), {Qt::Key_Up, Qt::NoModifier, QString()}},
        {QStringLiteral("<Down>"), {Qt::Key_Down, Qt::NoModifier, QString()}}};
    QList<Tecla> r;
    for (const QString& t : teclas) {
        if (const auto it = especiais.constFind(t); it != especiais.cend()) {
            r << *it;
        } else if (t.startsWith(QLatin1String("<Alt+")) && t.size() == 7 && t.endsWith(QLatin1Char('>'))) {
            const QChar c = t.at(5);
            r << Tecla{Qt::Key_0 + (c.unicode() - u'0'), Qt::AltModifier, QString(c)};
        } else {
            for (const QChar c : t)
                r << DoCaractere(c);
        }
    }
    return r;
}

QList<Tecla> Interpreta(const QJsonArray& teclas) {
    QStringList l;
    for (const auto& v : teclas)
        l << v.toString();
    return Interpreta(l);
}

void Envia(QWidget* janela, const Tecla& t) {
    const QPointer<QWidget> destino = janela->focusWidget() ? janela->focusWidget() : janela;
    QKeyEvent aperta(QEvent::KeyPress, t.codigo, t.modificadores, t.texto);
    QCoreApplication::sendEvent(destino, &aperta);
    // The press may have closed and deleted the control.
    if (!destino) return;
    QKeyEvent solta(QEvent::KeyRelease, t.codigo, t.modificadores, t.texto);
    QCoreApplication::sendEvent(destino, &solta);
}

void Envia(QWidget* janela, const QList<Tecla>& teclas) {
    const QPointer<QWidget> j = janela;
    for (const Tecla& t : teclas) {
        if (!j) return;
        Envia(j, t);
    }
}

void Digita(QWidget* janela, const QString& texto) {
    const QPointer<QWidget> j = janela;
    for (const QChar c : texto) {
        if (!j) return;
        Envia(j, DoCaractere(c));
    }
}

void PostaTeclas(QWidget* tela, const QJsonArray& teclas) {
    QWidget* alvo = QApplication::focusWidget();
    if (!alvo || alvo->window() != tela) alvo = tela;
    for (const Tecla& t : Interpreta(teclas)) {
        QCoreApplication::postEvent(alvo,
                                    new QKeyEvent(QEvent::KeyPress, t.codigo, t.modificadores, t.texto));
        QCoreApplication::postEvent(alvo,
                                    new QKeyEvent(QEvent::KeyRelease, t.codigo, t.modificadores, t.texto));
    }
}

QAbstractButton* BotaoDoDigito(const QWidget* janela, QChar digito) {
    const QString prefixo = QStringLiteral("&") + digito;
    for (auto* b : janela->findChildren<QAbstractButton*>()) {
        if (b->isVisibleTo(janela) && b->isEnabled() && b->text().startsWith(prefixo)) return b;
    }
    return nullptr;
}

bool EsperaAtiva(QWidget* w, int prazoMs) {
    QElapsedTimer relogio;
    relogio.start();
    while (!w->isActiveWindow() && relogio.elapsed() < prazoMs) {
        w->activateWindow();
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return w->isActiveWindow();
}

bool Assentamento::Ativa(QWidget* tela) {
    if (QApplication::activeWindow() == tela) {
        ativacao_.invalidate();
        return true;
    }
    if (!ativacao_.isValid()) {
        ativacao_.start();
    } else if (ativacao_.elapsed() > kAtivacaoMs) {
        tela->activateWindow();
        ativacao_.invalidate();
    }
    return false;
}

bool Assentamento::Quieta(QWidget* tela, Aparicao aparicao) {
    if (aparicao != candidata_ || tela->property("ocupado").toBool()) {
        candidata_ = aparicao;
        quieta_.start();
        return false;
    }
    return quieta_.elapsed() >= kAssentamentoMs;
}

} // namespace Teclado
