#include "frame/Menuoutrasfuncoes.h"

#include "frame/Lumomain.h"
#include "host/IniFile.h"

bool VerificaBotaoOutrasFuncoesHabilitadas() {
    if (Lumomain::TrnCNC) return false;
    const IniFile ini(IniFile::NoDiretorioHost(QStringLiteral("ClienteTrn.ini")));
    const QString secao = QStringLiteral("CorrespondenteBancario");
    for (const char* chave : {"RevalidacaoSenhaCartaoINSS", "TransferenciaEntreContas", "DemonstrativoCreditoBeneficios",
                              "PedidoCartaoDebito", "CartaoPrePago"}) {
        if (ini.LeBool(secao, QLatin1String(chave), false)) return true;
    }
    return false;
}
