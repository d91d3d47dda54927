// The parts of the module frame that the reply parsers use, standing in for the frame itself (which needs a
// window system): the module state they read and a message box that only keeps its text.
#include "frame/Lumomain.h"

namespace Lumomain {

bool TrnCNC = false;
int QtdeDocsConsultadosOK = 0;
QString VERSAO_DO_VORTA_CB;
int NumeroLinhaRecorteAqui = 0;
int NumeroLinhasCupomTEF = 0;

void MostraMensagem(Icone, const QString& texto, QWidget*, const QString&) {
    static QString ultima;
    ultima = texto;
}

} // namespace Lumomain
