#include "frame/EdicaoValor.h"

#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace EdicaoValor {

namespace {

class Filtro : public QObject {
public:
    explicit Filtro(QLineEdit* edit) : QObject(edit), edit_(edit) {}

    bool eventFilter(QObject* objeto, QEvent* e) override {
        if (objeto != edit_ || e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Delete:
            return false;
        default:
            break;
        }
        // Shortcuts (Alt+digit chooses a button) are not text.
        if (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
        const QString t = k->text();
        if (t.size() != 1) return true;
        const QChar c = t.at(0);
        if (c.isDigit()) return false;
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            const QChar separador = QLocale::system().decimalPoint().at(0);
            if (!edit_->text().contains(separador)) edit_->insert(QString(separador));
        }
        return true;
    }

private:
    QLineEdit* edit_;
};

} // namespace

QLineEdit* CriaCampoValor(QWidget* painel, QLabel*& rotulo) {
    rotulo = new QLabel(QString::fromUtf8(msg::InfoValorTransacao), painel);
    rotulo->setObjectName(QStringLiteral("lbValor"));
    rotulo->setGeometry(20, 26, 80, 28);
    auto* edit = new QLineEdit(painel);
    edit->setObjectName(QStringLiteral("edValor"));
    edit->setGeometry(110, 26, 270, 28);
    edit->setMaxLength(12);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    Configura(edit);
    return edit;
}

void Configura(QLineEdit* edit) {
    edit->installEventFilter(new Filtro(edit));
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& texto) {
        if (texto.isEmpty()) return;
        const QString dinheiro = host::Dollar(host::RemoveFormato(texto));
        if (dinheiro != texto) {
            const QSignalBlocker b(edit);
            edit->setText(dinheiro);
        }
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
    });
}

long long Centavos(const QString& dinheiro) {
    bool ok = false;
    const long long v = host::RemoveFormato(dinheiro).trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

} // namespace EdicaoValor
