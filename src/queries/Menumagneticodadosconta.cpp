#include "queries/Menumagneticodadosconta.h"

#include "frame/Lumomain.h"
#include "frame/Servicoscartao.h"
#include "host/Host.h"
#include "protocol/ServicosResposta.h"
#include "resources/Mensagens.h"

#include <QLabel>

namespace Menumagneticodadosconta {

bool OpcaoHabilitada(int opcao, bool temModo, int modo, bool coletaCartao, bool coletaConta) {
    if (temModo) return (modo & (opcao == 1 ? 2 : 1)) != 0;
    return opcao == 1 ? coletaCartao : coletaConta;
}

bool OpcaoOferecida(int opcao, size_t offModo, size_t offCartao, size_t offConta) {
    const auto& modo = Lumomain::ServicoHzinho_25_InformacaoModoTransacao;
    const auto& coleta = Lumomain::ServicoHzinho_Coleta_Dados_Conta;
    return OpcaoHabilitada(opcao, modo.texto(0, 2) == QLatin1String("25"), modo.inteiro(offModo, 3, -1),
                           coleta.texto(offCartao, 1) == QLatin1String("1"),
                           coleta.texto(offConta, 1) == QLatin1String("1"));
}

} // namespace Menumagneticodadosconta

bool TFrmMagDdCta_Mnu::spOpcao1Base() {
    return host::Grava(10134, QLatin1String(ServicosCartao::ENTRADA_CARTAO_LIDO));
}

bool TFrmMagDdCta_Mnu::spOpcao2Base() {
    return host::Grava(10134, QStringLiteral("2"));
}

bool TFrmMagDdCta_Mnu::LeCartao(int tipo) {
    if (Lumomain::LeAnalisaCartaoCB(tipo, lbMensagem)) return true;
    Encerra(QStringLiteral("FF"), QString::fromUtf8(msg::ErroOperacaoCancelada));
    return false;
}
