#include "frame/Servicoscartao.h"

#include "frame/Lumomain.h"
#include "frame/Modelolumo.h"
#include "host/Host.h"
#include "resources/Mensagens.h"

#include <QLabel>

#include <algorithm>
#include <string.h>
#include <string>

namespace ServicosCartao {

namespace {

using host::Grava;

} // namespace

void FechaPinpad() {
    if (!Lumomain::bPinpadCBAberto) return;
    host::FechaPinpadCB();
    Lumomain::bPinpadCBAberto = false;
}

void EncerraComFalha(TFrmMod* form) {
    const QString codigo = host::LeCampo(1009).trimmed();
    bool numero = false;
    const int valor = codigo.toInt(&numero);
    if (codigo.isEmpty() || (numero && valor == 0)) {
        Grava(1009, QStringLiteral("FF"));
        Grava(1027, QString::fromUtf8(msg::ErroOperacaoCancelada));
    } else if (host::LeCampo(1027).trimmed().isEmpty()) {
        Grava(1027, QString::fromUtf8(msg::ErroOperacaoCancelada));
    }
    Lumomain::FechaPinpadFechaFormGravaArquivo(form);
}

bool LeCartaoESenha(TFrmMod* form) {
    host::GravaAudit(QStringLiteral("Entrou: LeCartaoESenha."));
    // The card read leaves the PIN pad open on the correspondent network: the PIN is taken on it as it is.
    const bool ok = Lumomain::LeAnalisaCartaoCB(TIPO_CAPTURA, form->lbMensagem) &&
                    Lumomain::LeSenhaCB(false, form->lbTitulo->text(), TIPO_CAPTURA, form->lbMensagem, {});
    if (!ok) {
        host::GravaAudit(QStringLiteral("Saiu Erro: LeCartaoESenha."));
        EncerraComFalha(form);
        return false;
    }
    host::GravaAudit(QStringLiteral("Saiu: LeCartaoESenha."));
    return true;
}

NumeroCartaoNoCampo::NumeroCartaoNoCampo(int campo) : campo_(campo) {
    std::string trilha = host::LeCampoBytes(10104);
    // The track starts with the number; '=' ends it, or 'D' in a chip's track image.
    const size_t fim = std::min(trilha.find_first_of("=D"), trilha.size());
    tamanho_ = static_cast<int>(fim);
    host::GravaCampoBytes(campo_, 0, std::string_view(trilha.data(), fim));
    explicit_bzero(trilha.data(), trilha.size());
}

NumeroCartaoNoCampo::~NumeroCartaoNoCampo() {
    host::GravaCampoBytes(campo_, 0, std::string(static_cast<size_t>(tamanho_), '*'));
    host::LimpaCampo(campo_);
}

} // namespace ServicosCartao
