#include "ConferenciaTela.h"

#include "LeituraRoteiro.h"

#include "basekit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTableWidget>

#include <algorithm>

namespace {

// Text fields that hold card numbers, PINs or security codes are never written out.
bool Sensivel(const QLineEdit* e) {
    return e->echoMode() != QLineEdit::Normal || e->property("cbSensivel").toBool();
}

QString TextoDe(const QWidget* tela, const char* nome) {
    const auto* l = tela->findChild<QLabel*>(QLatin1String(nome));
    return l ? l->text() : QString();
}

QJsonObject DescreveCaixa(const QMessageBox* caixa) {
    static const char* const icones[] = {"nenhum", "informacao", "aviso", "erro", "pergunta"};
    QJsonArray botoes;
    for (auto* b : caixa->buttons())
        botoes << b->text();
    return {
        {QStringLiteral("tipo"), QStringLiteral("caixa")},
        {QStringLiteral("classe"), ClasseDe(caixa)},
        {QStringLiteral("icone"), QLatin1String(icones[std::clamp(static_cast<int>(caixa->icon()), 0, 4)])},
        {QStringLiteral("titulo"), caixa->windowTitle()},
        {QStringLiteral("texto"), caixa->text()},
        {QStringLiteral("botoes"), botoes}};
}

// Where a caption's text lies in its parent: the label's box is often wider than what it writes.
QRect AreaDoTexto(const QLabel* l) {
    const QRect texto =
        l->fontMetrics().boundingRect(l->contentsRect(), static_cast<int>(l->alignment()), l->text());
    return texto.translated(l->pos()).intersected(l->geometry());
}

// Controls and captions of one panel drawn over one another: a row left out of the layout, or two rows
// given one line. Two captions may share a box (a caption and the value written beside it).
QJsonArray Sobrepostos(const QWidget* tela) {
    struct Item {
        const QWidget* w;
        QRect area;
        bool rotulo;
    };
    std::vector<Item> itens;
    for (const auto* w : tela->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(tela)) continue;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            if (!l->text().isEmpty() && !l->objectName().isEmpty())
                itens.push_back({w, AreaDoTexto(l), true});
        } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                   qobject_cast<const QAbstractButton*>(w)) {
            itens.push_back({w, w->geometry(), false});
        }
    }
    QJsonArray pares;
    // A control that leaves its panel is cut off where the panel ends.
    for (const Item& a : itens)
        if (!a.rotulo && !a.w->parentWidget()->rect().contains(a.area))
            pares << a.w->objectName() + QStringLiteral("/") + a.w->parentWidget()->objectName();
    for (std::size_t i = 0; i < itens.size(); ++i)
        for (std::size_t j = i + 1; j < itens.size(); ++j) {
            const Item &a = itens[i], &b = itens[j];
            if ((!a.rotulo || !b.rotulo) && a.w->parentWidget() == b.w->parentWidget() &&
                a.area.intersects(b.area))
                pares << a.w->objectName() + QLatin1Char('/') + b.w->objectName();
        }
    return pares;
}

QJsonObject Descreve(QWidget* tela) {
    QJsonArray opcoes, habilitadas;
    for (auto* b : tela->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(tela)) continue;
        opcoes << b->text();
        if (b->isEnabled()) habilitadas << b->text();
    }
    QJsonObject campos;
    for (auto* e : tela->findChildren<QLineEdit*>()) {
        if (!e->isVisibleTo(tela)) continue;
        campos.insert(e->objectName(), Sensivel(e) ? QString(e->text().size(), QLatin1Char('*')) : e->text());
    }
    // A list shows its chosen item (an editable one is already there through its edit).
    for (auto* c : tela->findChildren<QComboBox*>())
        if (c->isVisibleTo(tela) && !c->isEditable()) campos.insert(c->objectName(), c->currentText());
    // A memo shows its lines joined by line breaks.
    for (auto* m : tela->findChildren<QPlainTextEdit*>())
        if (m->isVisibleTo(tela)) campos.insert(m->objectName(), m->toPlainText());
    // A grid shows its rows that hold something, cells joined by " | ", rows by line breaks.
    for (auto* t : tela->findChildren<QTableWidget*>()) {
        if (!t->isVisibleTo(tela)) continue;
        QStringList linhas;
        for (int r = 0; r < t->rowCount(); ++r) {
            QStringList celulas;
            for (int c = 0; c < t->columnCount(); ++c)
                celulas << (t->item(r, c) ? t->item(r, c)->text() : QString());
            if (!celulas.join(QString()).isEmpty()) linhas << celulas.join(QStringLiteral(" | "));
        }
        campos.insert(t->objectName(), linhas.join(QLatin1Char('\n')));
    }
    // A named label says what a field is for; the title and the message line have keys of their own.
    for (auto* l : tela->findChildren<QLabel*>()) {
        const QString nome = l->objectName();
        if (nome.isEmpty() || nome == QLatin1String("lbTitulo") || nome == QLatin1String("lbMensagem") ||
            !l->isVisibleTo(tela))
            continue;
        campos.insert(nome, l->text());
    }
    // A named frame's title says what its fields are for, as a caption does.
    for (auto* g : tela->findChildren<QGroupBox*>())
        if (!g->objectName().isEmpty() && g->isVisibleTo(tela)) campos.insert(g->objectName(), g->title());
    // Shown, but out of the operator's reach: what the host supplied or the dialog fixed.
    QJsonArray bloqueados;
    for (auto* w : tela->findChildren<QWidget*>()) {
        auto* e = qobject_cast<QLineEdit*>(w);
        if ((!e && !qobject_cast<QComboBox*>(w)) || !w->isVisibleTo(tela)) continue;
        if (!w->isEnabled() || (e && e->isReadOnly())) bloqueados << w->objectName();
    }
    QWidget* foco = tela->focusWidget();
    QJsonObject d{{QStringLiteral("tipo"), QStringLiteral("tela")},
                  {QStringLiteral("classe"), ClasseDe(tela)},
                  {QStringLiteral("titulo"), TextoDe(tela, "lbTitulo")},
                  {QStringLiteral("mensagem"), TextoDe(tela, "lbMensagem")},
                  {QStringLiteral("opcoes"), opcoes},
                  {QStringLiteral("habilitadas"), habilitadas},
                  {QStringLiteral("foco"), foco ? foco->objectName() : QString()}};
    if (!campos.isEmpty()) d.insert(QStringLiteral("campos"), campos);
    if (!bloqueados.isEmpty()) d.insert(QStringLiteral("bloqueados"), bloqueados);
    if (const QJsonArray p = Sobrepostos(tela); !p.isEmpty()) d.insert(QStringLiteral("sobrepostos"), p);
    return d;
}

bool ConfereCampos(const QJsonObject& c, const QJsonObject& e, QString& motivo) {
    for (auto ci = e.begin(); ci != e.end(); ++ci) {
        // null: the edit is not shown.
        const bool oculto = ci.value().isNull() && !c.contains(ci.key());
        if (!oculto && c.value(ci.key()) != ci.value()) {
            motivo = QStringLiteral("field %1 shows \"%2\", expected \"%3\"")
                         .arg(ci.key(), c.value(ci.key()).toString(), ci.value().toString());
            return false;
        }
    }
    return true;
}

} // namespace

QString ClasseDe(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className());
}

QJsonValue LeCampoJson(int campo, int ocorrencia) {
    const int n = LeCampo(nullptr, 0, campo, ocorrencia);
    if (n < 0) return QJsonValue::Null;
    QByteArray b(n + 1, '\0');
    LeCampo(b.data(), n + 1, campo, ocorrencia);
    b.truncate(n);
    return QString::fromLatin1(b);
}

RetratoTela RetrataTela(QWidget* tela) {
    RetratoTela r;
    if (auto* caixa = qobject_cast<QMessageBox*>(tela)) {
        r.descricao = DescreveCaixa(caixa);
        return r;
    }
    r.descricao = Descreve(tela);
    return r;
}

// Host fields as they stand while this screen is up (what the steps before it left for the host).
bool ConfereHost(const QJsonObject& e, QString& motivo) {
    for (auto ci = e.begin(); ci != e.end(); ++ci) {
        int campo = 0, ocorrencia = 0;
        const QJsonValue valor = ChaveCampo(ci.key(), campo, ocorrencia) ? LeCampoJson(campo, ocorrencia)
                                                                         : QJsonValue(QJsonValue::Undefined);
        if (valor != ci.value()) {
            motivo = QStringLiteral("host field %1 is \"%2\", expected \"%3\"")
                         .arg(ci.key(), valor.toString(), ci.value().toString());
            return false;
        }
    }
    return true;
}

bool ConfereTela(const RetratoTela& tela, const QJsonObject& espera, QString& motivo) {
    const QJsonObject& d = tela.descricao;
    // Whatever the step expects, no screen shows one control on top of another.
    if (d.contains(QStringLiteral("sobrepostos"))) {
        motivo = QStringLiteral("controls drawn over one another: %1; screen: %2")
                     .arg(QString::fromUtf8(QJsonDocument(d.value(QStringLiteral("sobrepostos")).toArray())
                                                .toJson(QJsonDocument::Compact)),
                          d.value(QStringLiteral("classe")).toString());
        return false;
    }
    for (auto it = espera.begin(); it != espera.end(); ++it) {
        const QString& chave = it.key();
        bool ok = true;
        if (chave == QLatin1String("campos")) {
            ok = ConfereCampos(d.value(chave).toObject(), it.value().toObject(), motivo);
        } else if (chave == QLatin1String("host")) {
            ok = ConfereHost(it.value().toObject(), motivo);
        } else {
            const QJsonValue obtido = d.value(chave);
            const bool nenhumBloqueado = chave == QLatin1String("bloqueados") && obtido.isUndefined() &&
                                         it.value().toArray().isEmpty();
            if (obtido != it.value() && !nenhumBloqueado) {
                motivo = QStringLiteral("%1 is %2, expected %3; screen: %4")
                             .arg(chave,
                                  QString::fromUtf8(
                                      QJsonDocument(QJsonArray{obtido}).toJson(QJsonDocument::Compact)),
                                  QString::fromUtf8(
                                      QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact)),
                                  QString::fromUtf8(QJsonDocument(d).toJson(QJsonDocument::Compact)));
                ok = false;
            }
        }
        if (!ok) return false;
    }
    return true;
}
