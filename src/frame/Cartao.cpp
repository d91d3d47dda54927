// The card and PIN steps that need a form: the security token, which runs its query dialog, and the closing
// of a chain after a card step.
#include "frame/Lumomain.h"
#include "frame/Modelolumo.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"

#include <string>

namespace Lumomain {

bool VerificaCapturaToken(bool abrePinpad, const QString& titulo, int tipo, QObject* mensagem,
                          const QString& textoPinpad, TFrmMod* form) {
    host::GravaAudit(QStringLiteral("Entrou: VerificaCapturaToken."));
    const bool ok = LeSenhaCB(abrePinpad, titulo, tipo, mensagem, textoPinpad);
    if (!ok && form) form->setModalResult(TFrmMod::mrOk);
    host::GravaAudit(QStringLiteral("Saiu: VerificaCapturaToken."));
    return ok;
}

bool TrataDispositivoSeguranca(bool abrePinpad, const QString& titulo, int tipo, QObject* mensagem,
                               const QString& textoPinpad, TFrmMod* form) {
    host::GravaAudit(QStringLiteral("Entrou: TrataDispositivoSeguranca"));
    // The token query replaces the reply services the transaction still needs; they come back at the end.
    SalvaServicoAConsParam();
    SalvaDPCHIP();
    if (!VerificaHabilitaConsultaDispositivoSeguranca()) {
        host::GravaAudit(QStringLiteral(
            "Erro: TrataDispositivoSeguranca -> VerificaHabilitaConsultaDispositivoSeguranca"));
        if (form) form->setModalResult(TFrmMod::mrOk);
        host::GravaArquivo();
        return false;
    }
    if (!VerificaCapturaToken(abrePinpad, titulo, tipo, mensagem, textoPinpad, form)) {
        host::GravaAudit(QStringLiteral("Erro: TrataDispositivoSeguranca -> VerificaCapturaToken"));
        host::GravaArquivo();
        return false;
    }
    std::string bloco = host::LeCampoBytes(10146);
    const auto inicio = bloco.find_first_not_of(' ');
    const auto fim = bloco.find_last_not_of(' ');
    const bool gravou =
        inicio == std::string::npos ||
        host::GravaCampoBytes(10544, 0, std::string_view(bloco).substr(inicio, fim - inicio + 1)) == 0;
    // The block served its one authorisation here: the local copy goes.
    bloco.assign(bloco.size(), '*');
    bloco.clear();
    if (!gravou) return false;
    RecuperaServicoAConsParam();
    RecuperaServicoHzinho_21_Informacoes_Gerais_CB();
    return true;
}

void FechaPinpadFechaFormGravaArquivo(TFrmMod* form) {
    if (bPinpadCBAberto) {
        host::FechaPinpadCB();
        bPinpadCBAberto = false;
    }
    if (form) form->setModalResult(TFrmMod::mrOk);
    host::GravaArquivo();
}

} // namespace Lumomain
