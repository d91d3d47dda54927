// Arguments of the catalogue's texts, kept apart from the frame so that code without a window system can use
// it.
#include "protocol/Estado.h"

namespace Lumomain {

QString Formata(const char* modelo, const QStringList& argumentos) {
    const QString m = QString::fromUtf8(modelo);
    QString r;
    r.reserve(m.size());
    qsizetype proximo = 0;
    for (qsizetype i = 0; i < m.size(); ++i) {
        const QChar c = m.at(i);
        if (c == QLatin1Char('%') && i + 1 < m.size()) {
            const QChar f = m.at(i + 1);
            if (f == QLatin1Char('s') || f == QLatin1Char('d')) {
                r += argumentos.value(proximo++);
                ++i;
                continue;
            }
            if (f == QLatin1Char('%')) {
                r += c;
                ++i;
                continue;
            }
        }
        r += c;
    }
    return r;
}

} // namespace Lumomain
