// The parts of the module frame that the reply parsers use, standing in for the frame itself (which needs a
// window system): the module state they read and a message box that only keeps its text.
#include "frame/Lumomain.h"

namespace Lumomain {

bool TrnCNC = false;
int QtdeDocsConsultadosOK = 0;
QString VERSAO_DO_VORTA_CB;
int NumeroLinhaRecorteAqui = 0;
int NumeroLinhasCupomTEF = 0;

QString Formata(const char* modelo, const QStringList& argumentos) {
    QString r = QString::fromUtf8(modelo);
    for (const QString& a : argumentos) {
        const qsizetype i = r.indexOf(QLatin1String("%s"));
        if (i < 0) break;
        r.replace(i, 2, a);
    }
    return r;
}

void MostraMensagem(Icone, const QString& texto, QWidget*) {
    static QString ultima;
    ultima = texto;
}

} // namespace Lumomain
